#include "engine/records.h"

#include "toolkit/fields.h"

namespace tandem {

namespace {

constexpr char kSeparator = ',';
// A mark of this many fields colours a whole row; any other is a span.
constexpr int kWholeRowFields = 2;

int32_t NumberField(std::string_view record, int n) {
    return TextToNumber(Field(record, kSeparator, n));
}

} // namespace

BlockRecord BlockRecord::Read(std::string_view record) {
    return {NumberField(record, 1), NumberField(record, 2),
            std::string(Field(record, kSeparator, 3))};
}

std::string BlockRecord::Text() const {
    std::string text = NumberToText(first);
    text += kSeparator;
    text += NumberToText(last);
    text += kSeparator;
    text += sides;
    return text;
}

MarkRecord MarkRecord::Read(std::string_view record) {
    if (FieldCount(record, kSeparator) == kWholeRowFields)
        return WholeRow(NumberField(record, 1), NumberField(record, 2));
    return Span(NumberField(record, 1), NumberField(record, 2), NumberField(record, 3),
                NumberField(record, 4));
}

std::string MarkRecord::Text() const {
    std::string text = NumberToText(row);
    text += kSeparator;
    if (!wholeRow) {
        text += NumberToText(start);
        text += kSeparator;
        text += NumberToText(length);
        text += kSeparator;
    }
    text += NumberToText(colour);
    return text;
}

int32_t RecordRow(std::string_view record) {
    return NumberField(record, 1);
}

std::string WithRow(std::string_view record, int64_t row) {
    const size_t separator = record.find(kSeparator);
    std::string text = NumberToText(row);
    if (separator != std::string_view::npos)
        text += record.substr(separator);
    return text;
}

} // namespace tandem
