#include "store/start_up_state.h"

#include "dialogs/custom_field.h"
#include "platform/text_number.h"

#include <algorithm>

namespace torvane::store {

namespace {

using namespace Qt::StringLiterals;

std::string Describe(const game::FieldSize& field) {
    return std::to_string(field.columns) + " x " + std::to_string(field.rows) + ", " +
           std::to_string(field.mines) + " mines";
}

QString WithLineEndsAsBlanks(QString caption) {
    for (const char16_t lineEnd : {u'\v', u'\f', u'\u0085', u'\u2028', u'\u2029'}) {
        caption.replace(QChar(lineEnd), u' ');
    }
    return caption;
}

} // namespace

StartUpState StartUpFrom(const RecordsRead& read) {
    StartUpState state;
    state.level = game::SelectableLevel(read.level.value_or(1));
    if (state.level < 3) {
        state.field = game::PresetField(state.level);
    } else {
        state.field =
            dialogs::CustomFieldFromTexts({platform::DecimalText(read.fieldWidth.value_or(0)),
                                           platform::DecimalText(read.fieldHeight.value_or(0)),
                                           platform::DecimalText(read.mineTotal.value_or(0))});
    }
    state.captions = {"999", u"匿名"_s, "999", u"匿名"_s, "999", u"匿名"_s};
    std::copy_n(read.tableCaptions.begin(),
                std::min(read.tableCaptions.size(), state.captions.size()), state.captions.begin());
    return state;
}

RecordsToWrite ToWrite(const StartUpState& state) {
    return {static_cast<std::int16_t>(state.level), state.field.columns, state.field.rows,
            state.field.mines, state.captions};
}

std::string StartUpFault(const StartUpState& state) {
    const game::FieldSize& field = state.field;
    if (state.level < 0 || state.level > 3) {
        return "level " + std::to_string(state.level);
    }
    if (field.columns < 1 || field.columns > 30 || field.rows < 1 || field.rows > 30 ||
        field.mines < 0 || field.mines >= field.columns * field.rows) {
        return "field " + Describe(field);
    }
    return {};
}

std::string RoundTripFault(const StartUpState& state, const RecordsRead& back) {
    const RecordsToWrite written = ToWrite(state);
    if (back.level != written.level || back.fieldWidth != written.fieldWidth ||
        back.fieldHeight != written.fieldHeight || back.mineTotal != written.mineTotal) {
        return "numbers came back as " + std::to_string(back.level.value_or(-99999)) + ", " +
               Describe({back.fieldWidth.value_or(-1), back.fieldHeight.value_or(-1),
                         back.mineTotal.value_or(-1)});
    }
    if (back.tableCaptions.size() != written.tableCaptions.size()) {
        return std::to_string(back.tableCaptions.size()) + " captions came back";
    }
    for (std::size_t i = 0; i < written.tableCaptions.size(); ++i) {
        if (back.tableCaptions[i] != WithLineEndsAsBlanks(written.tableCaptions[i])) {
            return "caption " + std::to_string(i) + " [" + written.tableCaptions[i].toStdString() +
                   "] came back as [" + back.tableCaptions[i].toStdString() + "]";
        }
    }
    return {};
}

} // namespace torvane::store
