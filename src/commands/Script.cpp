#include "commands/Script.h"

#include "commands/ScriptRun.h"
#include "data/Cp1252.h"
#include "data/Errors.h"
#include "data/Numbers.h"

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool validUtf8(std::string_view s)
{
    size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        int follow = 0;
        uint32_t code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            follow = 1;
            code = c & 0x1Fu;
        } else if (c >= 0xE0 && c <= 0xEF) {
            follow = 2;
            code = c & 0x0Fu;
        } else if (c >= 0xF0 && c <= 0xF4) {
            follow = 3;
            code = c & 0x07u;
        } else {
            return false;
        }
        if (i + static_cast<size_t>(follow) >= s.size())
            return false;
        for (int k = 1; k <= follow; ++k) {
            const auto b = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
            if ((b & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (b & 0x3Fu);
        }
        // Overlong forms, surrogates and code points beyond Unicode.
        if ((follow == 2 && (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF))) || (follow == 3 && (code < 0x10000 || code > 0x10FFFF)))
            return false;
        i += static_cast<size_t>(follow) + 1;
    }
    return true;
}

// The fields of a several-field argument: separated by runs of blanks or
// tabs, the last one taking the rest of the line.
std::vector<std::string> splitFields(std::string_view rest, int maxFields)
{
    std::vector<std::string> fields;
    rest = trimmed(rest);
    while (!rest.empty()) {
        if (static_cast<int>(fields.size()) + 1 == maxFields) {
            fields.emplace_back(rest);
            break;
        }
        size_t end = 0;
        while (end < rest.size() && !isBlank(rest[end]))
            ++end;
        fields.emplace_back(rest.substr(0, end));
        rest = trimmed(rest.substr(end));
    }
    return fields;
}

std::string lower(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// The argument of one line as its fields, or the problem with it.
std::string argumentFields(const ScriptCommand& command, std::string_view word, std::string_view rest,
                           std::vector<std::string>& fields)
{
    const std::string usage = std::string(word) + (command.argument.empty() ? "" : " ") + std::string(command.argument);
    switch (command.form) {
    case ArgumentForm::None:
        if (!rest.empty())
            return std::string(word) + " takes no argument";
        return {};
    case ArgumentForm::Text:
        fields.emplace_back(rest);
        return {};
    case ArgumentForm::Required:
        if (rest.empty())
            return "missing argument: " + usage;
        fields.emplace_back(rest);
        return {};
    case ArgumentForm::OnOff: {
        const std::string value = lower(rest);
        if (rest.empty())
            return "missing argument: " + usage;
        if (value != "on" && value != "off")
            return usage + " expected, not \"" + std::string(rest) + "\"";
        fields.push_back(value);
        return {};
    }
    case ArgumentForm::Number: {
        if (rest.empty())
            return "missing argument: " + usage;
        bool inRange = false;
        try {
            const int n = toInteger(rest);
            inRange = n >= command.lowest && n <= command.highest;
        } catch (const KurvixError&) {
        }
        if (!inRange)
            return usage + " expected, " + std::to_string(command.lowest) + " to " + std::to_string(command.highest)
                + ", not \"" + std::string(rest) + "\"";
        fields.emplace_back(rest);
        return {};
    }
    case ArgumentForm::TwoFields:
        fields = splitFields(rest, 2);
        if (fields.size() < 2)
            return "missing argument: " + usage;
        return {};
    case ArgumentForm::Point:
        fields = splitFields(rest, 3);
        if (fields.empty())
            return "missing argument: " + usage;
        fields.resize(3);
        return {};
    }
    return {};
}

} // namespace

std::string scriptText(std::string_view bytes)
{
    if (!validUtf8(bytes))
        return utf8FromCp1252(bytes);
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    return std::string(bytes);
}

Script parseScript(std::string_view text, std::vector<ScriptProblem>& problems)
{
    Script script;
    int number = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        ++number;
        size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = trimmed(text.substr(pos, end - pos));
        pos = end;
        if (pos < text.size())
            pos += text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n' ? 2 : 1;
        if (line.empty() || line.front() == '#')
            continue;

        size_t wordEnd = 0;
        while (wordEnd < line.size() && !isBlank(line[wordEnd]))
            ++wordEnd;
        const std::string_view word = line.substr(0, wordEnd);
        // One blank or tab ends the word; what follows it is the argument as
        // it stands, so a label may begin with blanks.
        const std::string_view rest = wordEnd < line.size() ? line.substr(wordEnd + 1) : std::string_view();

        const std::optional<CommandId> id = commandForWord(word);
        const ScriptCommand* command = id ? scriptCommandFor(*id) : nullptr;
        if (!command) {
            problems.push_back({number, "unknown command " + std::string(word)});
            continue;
        }
        ScriptLine parsed;
        parsed.number = number;
        parsed.command = *id;
        const std::string problem = argumentFields(*command, word, rest, parsed.fields);
        if (!problem.empty()) {
            problems.push_back({number, problem});
            continue;
        }
        for (const std::string& field : parsed.fields)
            script.namesFile = script.namesFile || namesRunFile(field);
        script.lines.push_back(std::move(parsed));
    }
    return script;
}

std::string RunFile::name() const
{
    const size_t slash = path.rfind('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t point = name.rfind('.');
    if (point != std::string::npos && point > 0)
        name.erase(point);
    return name;
}

std::string RunFile::dir() const
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

namespace {

// Walks an argument's "$" names; emit gets the literal pieces and the names.
template <typename Literal, typename Name>
void walkNames(std::string_view text, Literal&& literal, Name&& name)
{
    static constexpr std::string_view kNames[] = {"FILE", "NAME", "DIR"};
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] != '$') {
            literal(text[i]);
            ++i;
            continue;
        }
        const std::string_view after = text.substr(i + 1);
        if (!after.empty() && after.front() == '$') {
            literal('$');
            i += 2;
            continue;
        }
        bool named = false;
        for (std::string_view n : kNames) {
            if (after.substr(0, n.size()) == n) {
                name(n);
                i += 1 + n.size();
                named = true;
                break;
            }
        }
        if (!named) {
            literal('$');
            ++i;
        }
    }
}

} // namespace

std::string expandNames(std::string_view text, const RunFile* file)
{
    std::string out;
    out.reserve(text.size());
    walkNames(
        text, [&](char c) { out += c; },
        [&](std::string_view n) {
            if (!file)
                return;
            out += n == "FILE" ? file->path : n == "NAME" ? file->name() : file->dir();
        });
    return out;
}

bool namesRunFile(std::string_view text)
{
    bool names = false;
    walkNames(text, [](char) {}, [&](std::string_view) { names = true; });
    return names;
}

std::string escapeNames(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        out += c;
        if (c == '$')
            out += '$';
    }
    return out;
}
