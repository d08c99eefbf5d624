#include "platform/desktop/entry_command.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

bool isFileCode(QChar code)
{
    return QStringLiteral("fFuU").contains(code);
}

// One word being built; a word that only held codes expanding to nothing is dropped, while
// an explicit "" stays an empty argument.
struct Word {
    QString text;
    bool written = false;
};

class ExecExpander {
public:
    ExecExpander(const DesktopEntry& entry, const QString& entryFile, const QStringList& arguments)
        : entry_(entry), entryFile_(entryFile), arguments_(arguments)
    {
    }

    std::optional<QStringList> expand(const QString& exec)
    {
        const int size = int(exec.size());
        for (int i = 0; i < size; ++i) {
            const QChar c = exec.at(i);
            if (isBlank(c)) {
                endWord();
            } else if (c == QLatin1Char('"')) {
                if (!quoted(exec, i))
                    return std::nullopt;
            } else if (c == QLatin1Char('%')) {
                if (i + 1 == size)
                    return std::nullopt;
                const QChar code = exec.at(++i);
                const bool alone = !word_.written && (i + 1 == size || isBlank(exec.at(i + 1)));
                if (!fieldCode(code, alone))
                    return std::nullopt;
            } else {
                word_.text += c;
                word_.written = true;
            }
        }
        endWord();
        if (!fileCodeSeen_)
            words_ << arguments_;
        return words_;
    }

private:
    // A quoted part from the quote at i to its closing quote; i ends on the closing quote.
    // Inside, a backslash escapes " ` $ and itself, and %% is a percent sign.
    bool quoted(const QString& exec, int& i)
    {
        word_.written = true;
        for (++i; i < exec.size(); ++i) {
            const QChar c = exec.at(i);
            if (c == QLatin1Char('"'))
                return true;
            const QChar next = i + 1 < exec.size() ? exec.at(i + 1) : QChar();
            if ((c == QLatin1Char('\\') && QStringLiteral("\"`$\\").contains(next))
                || (c == QLatin1Char('%') && next == QLatin1Char('%')))
                ++i;
            word_.text += exec.at(i);
        }
        return false;
    }

    bool fieldCode(QChar code, bool alone)
    {
        if (isFileCode(code)) {
            fileCodeSeen_ = true;
            if (alone)
                words_ << arguments_;
            else
                append(arguments_.join(QLatin1Char(' ')));
        } else if (code == QLatin1Char('i')) {
            if (entry_.icon.isEmpty())
                return true;
            if (alone)
                words_ << QStringLiteral("--icon") << entry_.icon;
            else
                append(entry_.icon);
        } else if (code == QLatin1Char('c')) {
            append(entry_.name);
        } else if (code == QLatin1Char('k')) {
            append(entryFile_);
        } else if (code == QLatin1Char('%')) {
            append(QStringLiteral("%"));
        } else if (!QStringLiteral("dDnNvm").contains(code)) {
            return false;
        }
        return true;
    }

    void append(const QString& text)
    {
        word_.text += text;
        word_.written = word_.written || !text.isEmpty();
    }

    void endWord()
    {
        if (word_.written)
            words_ << word_.text;
        word_ = {};
    }

    const DesktopEntry& entry_;
    const QString& entryFile_;
    const QStringList& arguments_;
    QStringList words_;
    Word word_;
    bool fileCodeSeen_ = false;
};

// An absolute path as it stands, a bare name through PATH; empty when no program is there.
QString findProgram(const QString& name)
{
    if (name.isEmpty())
        return {};
    if (!name.contains(QLatin1Char('/')))
        return QStandardPaths::findExecutable(name);
    const QFileInfo info(name);
    return info.isAbsolute() && info.isFile() && info.isExecutable() ? name : QString();
}

EntryCommand refused(const QString& error)
{
    return {{}, {}, error};
}

}  // namespace

std::optional<QStringList> expandExec(const DesktopEntry& entry, const QString& entryFile,
                                      const QStringList& arguments)
{
    return ExecExpander(entry, entryFile, arguments).expand(entry.exec);
}

EntryCommand entryCommand(const QString& entryFile, const QStringList& arguments)
{
    const std::optional<DesktopEntry> entry = readDesktopEntry(entryFile);
    if (!entry)
        return refused(
            QStringLiteral("デスクトップエントリ「%1」を読み込めません。").arg(entryFile));
    if (entry->type != QLatin1String("Application"))
        return refused(QStringLiteral("「%1」はアプリケーションのデスクトップエントリではありません。")
                           .arg(entryFile));
    if (entry->hidden)
        return refused(
            QStringLiteral("デスクトップエントリ「%1」は無効（Hidden）にされています。").arg(entryFile));
    if (entry->exec.isEmpty())
        return refused(QStringLiteral("デスクトップエントリ「%1」に起動するコマンド（Exec）がありません。")
                           .arg(entryFile));
    if (!entry->tryExec.isEmpty() && findProgram(entry->tryExec).isEmpty())
        return refused(QStringLiteral("デスクトップエントリ「%1」のプログラム「%2」（TryExec）が見つかりません。")
                           .arg(entryFile, entry->tryExec));
    std::optional<QStringList> words = expandExec(*entry, entryFile, arguments);
    if (!words || words->isEmpty())
        return refused(QStringLiteral("デスクトップエントリ「%1」のコマンド（Exec）が正しくありません。")
                           .arg(entryFile));

    EntryCommand command;
    const QString name = words->takeFirst();
    command.program = findProgram(name);
    if (command.program.isEmpty())
        return refused(QStringLiteral("デスクトップエントリ「%1」のプログラム「%2」が見つかりません。")
                           .arg(entryFile, name));
    command.arguments = *words;
    if (entry->terminal) {
        const QString terminal = findProgram(QStringLiteral("x-terminal-emulator"));
        if (terminal.isEmpty())
            return refused(QStringLiteral("デスクトップエントリ「%1」は端末で動くプログラムですが、"
                                          "端末（x-terminal-emulator）が見つかりません。")
                               .arg(entryFile));
        command.arguments.prepend(command.program);
        command.arguments.prepend(QStringLiteral("-e"));
        command.program = terminal;
    }
    return command;
}
