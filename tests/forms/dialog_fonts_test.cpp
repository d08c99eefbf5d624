#include "forms/page_fixture.h"

#include <QLabel>

namespace {

class DialogFonts : public PageTest {};

TEST_F(DialogFonts, EveryControlOfTheDialogsUsesTheFormFont)
{
    openWindow(20);
    window->mnuPopProp_Click();
    window->mnuFrmMake_Click();
    window->mnuFrmDel_Click();
    const QString formFamily = QStringLiteral("ＭＳ Ｐゴシック");
    for (QWidget* dialog : {window->inpData.data(), window->inpPage.data(),
                            window->inpDelPg.data()}) {
        ASSERT_TRUE(dialog);
        const QList<QWidget*> controls = dialog->findChildren<QWidget*>(
            QString(), Qt::FindDirectChildrenOnly);
        ASSERT_GE(controls.size(), 6);
        for (QWidget* control : controls) {
            const QString where = dialog->objectName() + "." + control->objectName();
            EXPECT_EQ(control->font().family(), formFamily) << where.toStdString();
            // Labels keep the sizes they were drawn with; the rest take the form's.
            if (!qobject_cast<QLabel*>(control)) {
                EXPECT_EQ(control->font().pointSizeF(), 9) << where.toStdString();
            }
        }
    }
    const auto* delLabel = window->inpDelPg->findChild<QLabel*>("Label2");
    EXPECT_EQ(delLabel->font().pointSizeF(), 12);
}

}  // namespace
