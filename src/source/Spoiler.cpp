#include "source/Spoiler.h"

#include <QPropertyAnimation>
#include <QSplitter>
#include <QVBoxLayout>

Spoiler::Spoiler(QWidget* parent)
    : QWidget(parent)
    , m_toggleButton(parent)
{
    m_toggleButton.setStyleSheet(QStringLiteral("QToolButton { border: none; }"));
    m_toggleButton.setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_toggleButton.setArrowType(Qt::RightArrow);
    m_toggleButton.setText(tr("Show/hide"));
    m_toggleButton.setCheckable(true);
    m_toggleButton.setChecked(false);

    m_headerLine.setFrameShape(QFrame::HLine);
    m_headerLine.setFrameShadow(QFrame::Sunken);
    m_headerLine.setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Maximum);

    m_contentArea.setFrameShape(QFrame::NoFrame);
    m_contentArea.setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_contentArea.setMinimumHeight(0);
    m_contentArea.setMaximumHeight(0);

    // The spoiler grows and shrinks with its content area.
    m_toggleAnimation.addAnimation(new QPropertyAnimation(this, "minimumHeight"));
    m_toggleAnimation.addAnimation(new QPropertyAnimation(this, "maximumHeight"));
    m_toggleAnimation.addAnimation(new QPropertyAnimation(&m_contentArea, "maximumHeight"));

    m_mainLayout.setVerticalSpacing(0);
    m_mainLayout.setContentsMargins(0, 0, 0, 0);
    m_mainLayout.addWidget(&m_toggleButton, 0, 0, 1, 1, Qt::AlignLeft);
    m_mainLayout.addWidget(&m_headerLine, 0, 2, 1, 1);
    m_mainLayout.addWidget(&m_contentArea, 1, 0, 1, 3);
    setLayout(&m_mainLayout);

    connect(&m_toggleButton, SIGNAL(clicked(bool)), this, SLOT(toggleClicked(bool)));
}

Spoiler::~Spoiler()
{
    // The placeholder holds the main widget's place in the splitter while the
    // main widget is in here; without the spoiler nothing would put it back.
    delete m_placeholder;
}

void Spoiler::setAnimationDuration(int ms)
{
    m_animationDuration = qMax(ms, 200);
}

void Spoiler::setContentLayout(QLayout* layout)
{
    delete m_contentArea.layout();
    m_contentArea.setLayout(layout);
    m_hasContent = layout != nullptr;
    if (layout)
        updateContentGeometry();
}

void Spoiler::updateContentGeometry()
{
    if (m_collapsedHeight < 0)
        m_collapsedHeight = sizeHint().height() - m_contentArea.maximumHeight();
    const int contentHeight = m_contentArea.layout() ? m_contentArea.layout()->sizeHint().height() : 0;
    const int last = m_toggleAnimation.animationCount() - 1;
    for (int i = 0; i < last; ++i) {
        auto* animation = static_cast<QPropertyAnimation*>(m_toggleAnimation.animationAt(i));
        animation->setDuration(m_animationDuration);
        animation->setStartValue(m_collapsedHeight);
        animation->setEndValue(m_collapsedHeight + contentHeight);
    }
    auto* contentAnimation = static_cast<QPropertyAnimation*>(m_toggleAnimation.animationAt(last));
    contentAnimation->setDuration(m_animationDuration);
    contentAnimation->setStartValue(0);
    contentAnimation->setEndValue(contentHeight);
}

void Spoiler::toggleClicked(bool checked)
{
    m_toggleButton.setArrowType(checked ? Qt::DownArrow : Qt::RightArrow);
    if (m_hasContent) {
        m_toggleAnimation.setDirection(checked ? QAbstractAnimation::Forward : QAbstractAnimation::Backward);
        m_toggleAnimation.start();
    }
    m_visibility = checked ? UserSettings::AreaExpanded : UserSettings::AreaCollapsed;
}

void Spoiler::setMainWidget(QWidget* mainWidget, QSplitter* splitter, QWidget* altParent)
{
    m_mainWidget = mainWidget;
    m_splitter = splitter;
    m_altParent = altParent;
    m_visibility = mainWidget && mainWidget->isVisible() ? UserSettings::AreaExpanded : UserSettings::AreaHidden;
    if (splitter)
        connect(splitter, SIGNAL(splitterMoved(int, int)), this, SLOT(splitterMoved(int, int)));
}

bool Spoiler::isInSpoiler() const
{
    if (!m_mainWidget) {
        qWarning("Spoiler::isInSpoiler() is called while main widget is NULL");
        return false;
    }
    return !m_splitter || m_splitter->indexOf(m_mainWidget) < 0;
}

void Spoiler::setInSpoiler(bool inSpoiler)
{
    if (!m_mainWidget) {
        qWarning("Spoiler::setInSpoiler() is called while main widget is NULL");
        return;
    }
    if (inSpoiler != isInSpoiler()) {
        if (inSpoiler)
            moveToAltParent();
        else
            moveToSplitter();
    }
}

void Spoiler::moveToAltParent()
{
    if (!m_mainWidget || !m_splitter)
        return;
    const int index = m_splitter->indexOf(m_mainWidget);
    // Not in the splitter: the splitter would hand back no widget for that
    // index, and the placeholder made for it would belong to nobody.
    if (index < 0) {
        qWarning("m_splitter->replaceWidget() returned unexpected widget");
        return;
    }
    delete m_placeholder;
    m_placeholder = new QWidget;
    QWidget* replaced = m_splitter->replaceWidget(index, m_placeholder);
    m_placeholder->hide();
    if (replaced != m_mainWidget) {
        qWarning("m_splitter->replaceWidget() returned unexpected widget");
        return;
    }
    // The layout is built without a parent: the alternative parent may have a
    // layout of its own, and the content area adopts this one.
    auto* layout = new QVBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_mainWidget);
    setContentLayout(layout);
    setWidgetVisibility(m_visibility, true);
}

void Spoiler::moveToSplitter()
{
    if (!m_mainWidget || !m_splitter)
        return;
    setContentLayout(new QVBoxLayout);
    QWidget* back = m_splitter->replaceWidget(m_splitter->indexOf(m_placeholder), m_mainWidget);
    if (back && back == m_placeholder) {
        delete m_placeholder;
        m_placeholder = nullptr;
    }
    hide();
    if (m_visibility != UserSettings::AreaHidden)
        m_mainWidget->show();
}

void Spoiler::setWidgetVisibility(UserSettings::AsAreaVisibility visibility, bool force)
{
    if (visibility == m_visibility && !force)
        return;
    m_visibility = visibility;
    if (!m_mainWidget || !isInSpoiler())
        return;
    if (visibility == UserSettings::AreaHidden) {
        m_mainWidget->hide();
        hide();
        return;
    }
    m_mainWidget->show();
    show();
    // The content's height counts only once the main widget is shown.
    updateContentGeometry();
    const bool expanded = visibility == UserSettings::AreaExpanded;
    m_toggleButton.setChecked(expanded);
    toggleClicked(expanded);
}

void Spoiler::splitterMoved(int, int index)
{
    const int position = m_splitter ? m_splitter->indexOf(m_mainWidget) : -1;
    if ((position == 0 && index == 1) || (position == 2 && index == 2))
        m_visibility = m_mainWidget->height() == 0 ? UserSettings::AreaCollapsed : UserSettings::AreaExpanded;
}
