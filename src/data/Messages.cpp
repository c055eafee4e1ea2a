#include "data/Messages.h"

namespace Messages {

std::string message(std::string_view pattern, std::initializer_list<std::string_view> args)
{
    std::string out;
    out.reserve(pattern.size() + 32);
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const size_t index = static_cast<size_t>(pattern[i + 1] - '1');
            if (index < args.size())
                out += *(args.begin() + index);
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace Messages
