#include "platform/widgets/dialog_window.h"

#include "platform/widgets/fonts.h"
#include "platform/widgets/twips.h"

void setUpDialogWindow(QWidget& dialog, const QString& caption, int widthTwips, int heightTwips)
{
    dialog.setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    dialog.setAttribute(Qt::WA_DeleteOnClose);
    dialog.setWindowTitle(caption);
    dialog.setFixedSize(twips(widthTwips), twips(heightTwips));
    // Controls take the form's font, as a form's controls do; labels set their own sizes.
    dialog.setFont(formFont(9));
}

void showOnce(QPointer<QWidget>& open, const std::function<QWidget*()>& load)
{
    if (!open || !open->isVisible()) {
        delete open.data();  // closed, its deferred deletion still pending
        open = load();
    }
    open->show();
    open->raise();
    open->activateWindow();
}
