#pragma once

#include "store/records_store.h"

#include <QCoreApplication>
#include <QString>

namespace torvane::app {

// What the player is told when the records cannot be kept: what happened, where, and why.
class RecordsMessage {
    Q_DECLARE_TR_FUNCTIONS(torvane::app::RecordsMessage)
  public:
    static QString text(const store::RecordsProblem& problem);
    // Why, in the player's language where the cause is one the game knows.
    static QString reason(const store::RecordsProblem& problem);
};

} // namespace torvane::app
