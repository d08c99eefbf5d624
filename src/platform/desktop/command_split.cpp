#include "platform/desktop/command_split.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <optional>
#include <vector>

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

int skipBlanks(const QString& text, int pos)
{
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    return pos;
}

// The absolute path of an existing file that `name` designates, if any.
std::optional<QString> resolveProgram(const QString& name, const QString& workingDir)
{
    if (name.isEmpty())
        return std::nullopt;
    if (!name.contains(QLatin1Char('/'))) {
        const QString found = QStandardPaths::findExecutable(name);
        return found.isEmpty() ? std::nullopt : std::optional<QString>(found);
    }
    const QDir base(workingDir.isEmpty() ? QDir::currentPath() : workingDir);
    const QFileInfo info(base, name);
    if (!info.isFile())
        return std::nullopt;
    return info.absoluteFilePath();
}

struct Token {
    QString text;
    int start = 0;  // raw span in the line
    int end = 0;
    bool literal = true;  // no quote or escape changed it: text is the raw span
};

// Splits at blanks outside double quotes. Quotes group and are removed; inside quotes two
// quotes give one; backslashes count only before a quote (2n+1 of them give n and a literal
// quote, 2n give n and a quote that groups).
std::vector<Token> tokenize(const QString& s, int pos)
{
    std::vector<Token> tokens;
    const QChar quote('"');
    const QChar backslash('\\');
    for (pos = skipBlanks(s, pos); pos < s.size(); pos = skipBlanks(s, pos)) {
        Token token;
        token.start = pos;
        bool inQuotes = false;
        while (pos < s.size() && (inQuotes || !isBlank(s[pos]))) {
            const QChar c = s[pos];
            if (c == backslash) {
                int run = pos;
                while (run < s.size() && s[run] == backslash)
                    ++run;
                const int count = run - pos;
                if (run < s.size() && s[run] == quote) {
                    token.text += QString(count / 2, backslash);
                    token.literal = false;
                    if (count % 2 == 1) {
                        token.text += quote;
                        ++run;
                    }
                } else {
                    token.text += QString(count, backslash);
                }
                pos = run;
            } else if (c == quote) {
                token.literal = false;
                if (inQuotes && pos + 1 < s.size() && s[pos + 1] == quote) {
                    token.text += quote;
                    pos += 2;
                } else {
                    inQuotes = !inQuotes;
                    ++pos;
                }
            } else {
                token.text += c;
                ++pos;
            }
        }
        token.end = pos;
        tokens.push_back(token);
    }
    return tokens;
}

// A path with blanks that reached us unquoted comes back as one argument; the longest run
// that names something existing wins.
QStringList joinSplitPaths(const QString& line, const std::vector<Token>& tokens)
{
    QStringList arguments;
    for (size_t i = 0; i < tokens.size();) {
        const Token& first = tokens[i];
        size_t last = i;
        if (first.literal && first.text.startsWith(QLatin1Char('/'))) {
            for (size_t j = i + 1; j < tokens.size() && tokens[j].literal; ++j) {
                if (QFileInfo::exists(line.mid(first.start, tokens[j].end - first.start)))
                    last = j;
            }
        }
        if (last == i)
            arguments << first.text;
        else
            arguments << line.mid(first.start, tokens[last].end - first.start);
        i = last + 1;
    }
    return arguments;
}

}  // namespace

SplitCommand splitCommandLine(const QString& line, const QString& workingDir)
{
    SplitCommand command;
    const int begin = skipBlanks(line, 0);
    int rest = begin;

    if (begin < line.size() && line[begin] == QLatin1Char('"')) {
        const int close = int(line.indexOf(QLatin1Char('"'), begin + 1));
        const int nameEnd = close < 0 ? int(line.size()) : close;
        command.program = line.mid(begin + 1, nameEnd - begin - 1);
        rest = close < 0 ? int(line.size()) : close + 1;
        if (const auto found = resolveProgram(command.program, workingDir)) {
            command.program = *found;
            command.programFound = true;
        }
    } else {
        // Grow the candidate one word at a time until it names a file.
        int firstWordEnd = -1;
        int end = begin;
        while (true) {
            while (end < line.size() && !isBlank(line[end]))
                ++end;
            if (firstWordEnd < 0)
                firstWordEnd = end;
            if (const auto found = resolveProgram(line.mid(begin, end - begin), workingDir)) {
                command.program = *found;
                command.programFound = true;
                rest = end;
                break;
            }
            end = skipBlanks(line, end);
            if (end >= line.size())
                break;
        }
        if (!command.programFound) {
            command.program = line.mid(begin, firstWordEnd - begin);
            rest = firstWordEnd;
        }
    }

    command.arguments = joinSplitPaths(line, tokenize(line, rest));
    return command;
}

QStringList splitArguments(const QString& parameters)
{
    return joinSplitPaths(parameters, tokenize(parameters, 0));
}
