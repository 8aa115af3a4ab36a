#pragma once

#include <QCoreApplication>
#include <QString>

namespace torvane::dialogs {

class ModalRunner;

// The prompt that asks a new record's holder for a name.
class NamePrompt {
    Q_DECLARE_TR_FUNCTIONS(torvane::dialogs::NamePrompt)
  public:
    // The name a new record carries until its holder gives one, and keeps for an empty answer.
    static QString unnamedHolder();
    // Asks for the name, offering the unnamed holder's; that name again when the answer is
    // empty or the prompt is cancelled.
    static QString ask(ModalRunner& modal);
};

} // namespace torvane::dialogs
