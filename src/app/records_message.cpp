#include "app/records_message.h"

#include <cerrno>

namespace torvane::app {

QString RecordsMessage::text(const store::RecordsProblem& problem) {
    QString text;
    using Kind = store::RecordsProblem::Kind;
    switch (problem.kind) {
    case Kind::NoFolder:
        text = tr("找不到可以保存成绩的文件夹，本次的成绩不会被保存。");
        break;
    case Kind::NotBackedUp:
        text = tr("成绩文件已损坏且无法备份，本次不会改写它，成绩也不会被保存。");
        break;
    case Kind::NotWritten:
    case Kind::NotRegularFile:
    case Kind::Locked:
        text = tr("成绩无法保存。");
        break;
    }
    const QString why = reason(problem);
    const QString where = problem.path.isEmpty() ? why : problem.path + u'\n' + why;
    return text + QStringLiteral("\n\n") + where;
}

QString RecordsMessage::reason(const store::RecordsProblem& problem) {
    using Kind = store::RecordsProblem::Kind;
    if (problem.kind == Kind::NotRegularFile) {
        return tr("该位置是文件夹或其他项目，不是普通文件。");
    }
    if (problem.kind == Kind::Locked) {
        return tr("另一个正在运行的 Torvane 长时间占用着该文件。");
    }
    switch (problem.error.code) {
    case ENOENT:
    case ENOTDIR:
        return tr("路径中的某个文件夹不存在。");
    case EISDIR:
        return tr("该位置是文件夹或其他项目，不是普通文件。");
    case EACCES:
    case EPERM:
        return tr("没有读写该文件或其所在文件夹的权限。");
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return tr("磁盘已满，或磁盘配额已用完。");
    case EROFS:
        return tr("该位置所在的文件系统是只读的。");
    default:
        // Words the game has no translation for: the system's, as standard error has them.
        return problem.error.reason;
    }
}

} // namespace torvane::app
