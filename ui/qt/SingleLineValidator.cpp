#include "ui/qt/SingleLineValidator.h"

#include <algorithm>

namespace orvanta {

QValidator::State SingleLineValidator::validate(QString& input, int& position) const
{
    // What was put in ends at the cursor, so a line break before the cursor came with it.
    const QStringView beforeCursor = QStringView(input).first(position);
    const auto lineBreak =
        std::find_if(beforeCursor.begin(), beforeCursor.end(), [](QChar c) { return c == u'\r' || c == u'\n'; });
    if (lineBreak != beforeCursor.end()) {
        const auto kept = static_cast<int>(lineBreak - beforeCursor.begin());
        input.remove(kept, position - kept);
        position = kept;
    }
    return Acceptable;
}

} // namespace orvanta
