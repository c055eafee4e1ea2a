#include "data/DataFilePath.h"

namespace {

size_t afterLastSeparator(std::string_view path)
{
    const size_t pos = path.find_last_of("/\\");
    return pos == std::string_view::npos ? 0 : pos + 1;
}

} // namespace

std::string_view fileNamePart(std::string_view path)
{
    return path.substr(afterLastSeparator(path));
}

std::string_view directoryPart(std::string_view path)
{
    return path.substr(0, afterLastSeparator(path));
}

std::string upperAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string imageOpenNameFor(std::string_view path)
{
    const std::string_view name = fileNamePart(path);
    std::string out(directoryPart(path));
    out += upperAscii(name.substr(0, name.find('.')));
    out += ".BMP";
    return out;
}
