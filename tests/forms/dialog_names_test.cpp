#include "forms/page_fixture.h"

#include <QAccessible>
#include <QLabel>

namespace {

class DialogNames : public PageTest {
protected:
    // What a screen reader calls the dialog's control `name`, and the text of label `label`.
    static QString nameOf(QWidget* dialog, const QString& name)
    {
        return QAccessible::queryAccessibleInterface(dialog->findChild<QWidget*>(name))
            ->text(QAccessible::Name);
    }
    static QString labelText(QWidget* dialog, const QString& label)
    {
        return dialog->findChild<QLabel*>(label)->text();
    }
};

TEST_F(DialogNames, ControlsAreNamedByTheirLabels)
{
    openWindow(12);
    window->mnuPopProp_Click();
    ASSERT_TRUE(window->inpData);
    for (int i = 0; i < 5; ++i) {
        const QString label = labelText(window->inpData, QString("Label1(%1)").arg(i));
        EXPECT_FALSE(label.isEmpty());
        EXPECT_EQ(nameOf(window->inpData, QString("Text1(%1)").arg(i)), label) << i;
    }

    window->mnuFrmMake_Click();
    ASSERT_TRUE(window->inpPage);
    EXPECT_EQ(nameOf(window->inpPage, "HScroll1"), labelText(window->inpPage, "Label1"));

    window->mnuFrmDel_Click();
    ASSERT_TRUE(window->inpDelPg);
    EXPECT_EQ(nameOf(window->inpDelPg, "TexPag(0)"), labelText(window->inpDelPg, "Label2"));
}

} // namespace
