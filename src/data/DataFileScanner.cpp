#include "data/DataFileScanner.h"

#include "data/Errors.h"
#include "data/Messages.h"
#include "data/Numbers.h"

namespace {

// Blanks, tabs, line ends and the other control characters separate numbers.
bool isSeparator(char c)
{
    const auto b = static_cast<unsigned char>(c);
    return b <= 0x20 || b == 0x7F;
}

constexpr size_t kMaxNumberToken = 64;

} // namespace

DataFileScanner::DataFileScanner(std::string_view bytes, std::string fileName)
    : bytes_(bytes), fileName_(std::move(fileName))
{
}

bool DataFileScanner::onlyBlanksLeft() const
{
    for (size_t i = pos_; i < bytes_.size(); ++i)
        if (!isSeparator(bytes_[i]))
            return false;
    return true;
}

void DataFileScanner::skipLineEnd()
{
    if (pos_ >= bytes_.size())
        return;
    if (bytes_[pos_] == '\r') {
        ++pos_;
        if (pos_ < bytes_.size() && bytes_[pos_] == '\n')
            ++pos_;
        ++line_;
    } else if (bytes_[pos_] == '\n') {
        ++pos_;
        ++line_;
    }
}

std::string_view DataFileScanner::readLine()
{
    const size_t start = pos_;
    const size_t n = bytes_.size();
    while (pos_ < n && bytes_[pos_] != '\n' && bytes_[pos_] != '\r')
        ++pos_;
    const std::string_view text = bytes_.substr(start, pos_ - start);
    skipLineEnd();
    return text;
}

double DataFileScanner::readNumberLine()
{
    const size_t n = bytes_.size();
    while (pos_ < n && isSeparator(bytes_[pos_])) {
        if (bytes_[pos_] == '\r' || bytes_[pos_] == '\n')
            skipLineEnd();
        else
            ++pos_;
    }
    tokenLine_ = line_;
    if (pos_ >= n)
        return 0;

    const size_t start = pos_;
    while (pos_ < n && !isSeparator(bytes_[pos_]) && pos_ - start < kMaxNumberToken)
        ++pos_;
    const std::string_view token = bytes_.substr(start, pos_ - start);
    readLine(); // the rest of the number's line

    const ParsedNumber number = parseNumber(token);
    if (!number.ok)
        throw InputError(Messages::message(Messages::InvalidNumericInputAt, {fileName_, std::to_string(tokenLine_)}),
                         fileName_, tokenLine_);
    return number.value;
}
