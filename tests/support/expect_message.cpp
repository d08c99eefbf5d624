#include "support/expect_message.h"

#include <gtest/gtest.h>

MessageText MessageText::containing(const QStringList& pieces)
{
    return MessageText(pieces, false);
}

bool MessageText::matches(const QString& text) const
{
    if (whole_)
        return text == pieces_.first();
    for (const QString& piece : pieces_)
        if (!text.contains(piece))
            return false;
    return true;
}

std::string MessageText::describe() const
{
    if (whole_)
        return "\"" + pieces_.first().toStdString() + "\"";
    return "text containing \"" + pieces_.join("\", \"").toStdString() + "\"";
}

void expectMessage(const ScriptedPlatform::Message& shown, const MessageText& text, int style,
                   const QString& title, const char* file, int line)
{
    if (!text.matches(shown.text))
        ADD_FAILURE_AT(file, line) << "message box says \"" << shown.text.toStdString()
                                   << "\"\n  expected " << text.describe();
    if (shown.style != style)
        ADD_FAILURE_AT(file, line) << "message box style " << shown.style << ", expected "
                                   << style;
    if (shown.title != title)
        ADD_FAILURE_AT(file, line) << "message box title \"" << shown.title.toStdString()
                                   << "\", expected \"" << title.toStdString() << "\"";
}
