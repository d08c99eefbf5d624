#include "launcher/slot_description.h"

#include "launcher/command_line.h"

#include <QWidget>

namespace {

const QString FolderCaption = QStringLiteral("作業フォルダ: ");

QString folderLine(const ItemRec& r)
{
    return r.InitDir.isEmpty() ? QString() : QChar('\n') + FolderCaption + r.InitDir;
}

// Rich text that shows the plain lines as they are: a title that looks like markup stays as
// typed, and every blank of a command line counts.
QString asRichText(const QString& plain)
{
    QString html = plain.toHtmlEscaped();
    html.replace(QLatin1String("  "), QLatin1String(" &nbsp;"));
    html.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    return QLatin1String("<p>") + html + QLatin1String("</p>");
}

} // namespace

QString slotAccessibleName(const ItemRec& r)
{
    if (!r.Used)
        return QStringLiteral("空き");
    // A nameless button says nothing to a listener; the file at least tells what it starts.
    return r.Title.isEmpty() ? r.ProgName : r.Title;
}

QString slotDescription(const ItemRec& r)
{
    if (!r.Used)
        return {};
    const QString kind =
        r.IsDoc ? QStringLiteral("ドキュメント: ") : QStringLiteral("プログラム: ");
    return kind + r.ProgName + folderLine(r);
}

QString slotToolTipText(const ItemRec& r)
{
    if (!r.Used)
        return {};
    return r.Title + QStringLiteral("\nコマンドライン: ") + buildCommandLine(r, 0) + folderLine(r);
}

void describeSlot(QWidget& pic, QWidget& lab, const ItemRec& r)
{
    const QString tip = slotToolTipText(r);
    const QString shown = tip.isEmpty() ? tip : asRichText(tip);
    pic.setAccessibleName(slotAccessibleName(r));
    pic.setAccessibleDescription(slotDescription(r));
    pic.setToolTip(shown);
    lab.setAccessibleName(r.Used ? r.Title : QString());
    lab.setToolTip(shown);
}
