// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/OptionalFeaturesEditor.h"
#include "image/FormDescriptions.h"
#include "image/RadioModel.h"
#include "widgets/FormBinder.h"
#include "widgets/Twips.h"
#include "widgets/WindowScope.h"
#include <QGroupBox>
#include <QKeyEvent>
#include <QRadioButton>
#include <QTabBar>
#include <QTime>

namespace kt913 {

OptionalFeaturesEditor::OptionalFeaturesEditor(RadioModel &model, QWidget *parent)
    : QWidget(parent), m_model(model),
      m_clock([] { return QTime::currentTime().msecsSinceStartOfDay() / 1000; })
{
    setObjectName(QStringLiteral("Form3"));
    markAsWindow(this);
    const FormDescription &d = optionsFormDescription();
    setWindowTitle(d.captionZh);

    m_binder = new FormBinder(
        m_model.options(), [this] { return m_model.language(); }, this);
    buildWidgets();
    installTextRules();
    installServiceModes();

    // Clicking a tab shows its page and puts the cursor into the page's first box, also
    // when the tab is the one shown already.
    connect(TabStrip1, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0)
            showPage(index, true);
    });
    connect(TabStrip1, &QTabBar::currentChanged, this, [this](int index) { showPage(index, true); });
    connect(Option1, &QRadioButton::clicked, this, [this] { showPage(0, false); });
    connect(Option3, &QRadioButton::clicked, this, [this] { showPage(1, true); });

    resize(twips(d.widthTwips), twips(d.heightTwips));
    showPage(0, false);
}

void OptionalFeaturesEditor::StartForm()
{
    m_model.options().startForm();
}

void OptionalFeaturesEditor::setClock(std::function<int()> secondsOfDay)
{
    m_clock = std::move(secondsOfDay);
}

void OptionalFeaturesEditor::showPage(int page, bool focus)
{
    if (page < 0 || page > 1)
        return;
    m_page = page;
    if (TabStrip1->currentIndex() != page) {
        const QSignalBlocker quiet(TabStrip1);
        TabStrip1->setCurrentIndex(page);
    }
    (page == 0 ? Option1 : Option3)->setChecked(true);
    // Show the new page before hiding the old one, so that a box losing the focus hands
    // it to a visible one and its leave rule runs as on any other leaving.
    if (page == 0) {
        Frame2->show();
        Frame3->hide();
        Frame5->hide();
    } else {
        Frame3->show();
        Frame5->show();
        Frame2->hide();
    }
    if (focus) {
        if (QWidget *first = findControl<QWidget *>(this, (page == 0 ? OptionsControls::Text6 : OptionsControls::Text20).objectName()))
            first->setFocus(Qt::OtherFocusReason);
    }
}

void OptionalFeaturesEditor::keyPressEvent(QKeyEvent *event)
{
    // Enter in a text box has done its work there (the leave rule); it goes no further,
    // so that the main window never sees it.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace kt913
