#pragma once

#include "support/scripted_platform.h"

#include <QStringList>

#include <string>

// What a message box must say: all of its text, or pieces it must contain.
class MessageText {
public:
    MessageText(const QString& whole) : pieces_{whole}, whole_(true) {}
    static MessageText containing(const QStringList& pieces);

    bool matches(const QString& text) const;
    std::string describe() const;

private:
    MessageText(const QStringList& pieces, bool whole) : pieces_(pieces), whole_(whole) {}
    QStringList pieces_;
    bool whole_;
};

inline MessageText containing(const QStringList& pieces)
{
    return MessageText::containing(pieces);
}

// Checks one message box the handlers showed: its text, its style (buttons plus icon) and its
// title. Failures are reported at the caller's line.
void expectMessage(const ScriptedPlatform::Message& shown, const MessageText& text, int style,
                   const QString& title, const char* file = __builtin_FILE(),
                   int line = __builtin_LINE());
