#pragma once

#include "store/records_format.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

namespace torvane::store {

inline void PrintTo(const Record& record, std::ostream* out) {
    *out << '[' << record.time.toStdString() << "][" << record.name.toStdString() << ']';
}

namespace testing {

// The file a first start writes: the intermediate level, nobody's records.
inline QByteArray firstRunFile() {
    return recordsBytes({{game::Intermediate, 16, 16, 35}, {}});
}

inline RecordsContents withRecord(RecordsContents contents, int level, const QString& time,
                                  const QString& name) {
    contents.bestTimes.setRecord(level, {time, name});
    return contents;
}

inline QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

} // namespace testing
} // namespace torvane::store
