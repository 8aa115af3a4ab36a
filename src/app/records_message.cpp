#include "app/records_message.h"

namespace torvane::app {

QString RecordsMessage::text(const store::RecordsProblem& problem) {
    QString text;
    switch (problem.kind) {
    case store::RecordsProblem::Kind::NoFolder:
        text = tr("找不到可以保存成绩的文件夹，本次的成绩不会被保存。");
        break;
    case store::RecordsProblem::Kind::NotWritten:
        text = tr("成绩无法保存。");
        break;
    case store::RecordsProblem::Kind::NotBackedUp:
        text = tr("成绩文件已损坏且无法备份，本次不会改写它，成绩也不会被保存。");
        break;
    }
    const QString where =
        problem.path.isEmpty() ? problem.reason : problem.path + u'\n' + problem.reason;
    return text + QStringLiteral("\n\n") + where;
}

} // namespace torvane::app
