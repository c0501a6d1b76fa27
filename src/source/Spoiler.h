#pragma once

#include "qvas_export.h"

#include <configuration/UserSettings.h>

#include <QFrame>
#include <QGridLayout>
#include <QParallelAnimationGroup>
#include <QPointer>
#include <QScrollArea>
#include <QToolButton>
#include <QWidget>

class QSplitter;

// A collapsible section: a "Show/hide" button with an arrow, a line, and a
// content area that opens and closes with an animation. It can take the
// host's source-and-filters area (the main widget) out of its splitter into
// the content area and put it back, and it tracks whether that area is
// expanded (0), collapsed (1) or hidden (2).
class QVAS_EXPORT Spoiler : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle)
    Q_PROPERTY(int animationDuration READ animationDuration WRITE setAnimationDuration)
public:
    explicit Spoiler(QWidget* parent = nullptr);
    ~Spoiler() override;

    QString title() const { return m_toggleButton.text(); }
    void setTitle(const QString& title) { m_toggleButton.setText(title); }
    int animationDuration() const { return m_animationDuration; }
    // At least 200 ms, so that the opening can be followed by eye.
    void setAnimationDuration(int ms);
    // Takes layout as the content (null: no content); the previous layout is deleted.
    void setContentLayout(QLayout* layout);
    void updateContentGeometry();

    void setMainWidget(QWidget* mainWidget, QSplitter* splitter, QWidget* altParent);
    bool isInSpoiler() const;
    void setInSpoiler(bool inSpoiler);
    void moveToAltParent();
    void moveToSplitter();
    UserSettings::AsAreaVisibility getWidgetVisibility() const { return m_visibility; }
    void setWidgetVisibility(UserSettings::AsAreaVisibility visibility, bool force);

public slots:
    void toggleClicked(bool checked);
    void splitterMoved(int pos, int index);

private:
    QGridLayout m_mainLayout;
    QToolButton m_toggleButton;
    QFrame m_headerLine;
    QScrollArea m_contentArea;
    QParallelAnimationGroup m_toggleAnimation;
    QWidget* m_mainWidget = nullptr;
    QSplitter* m_splitter = nullptr;
    QWidget* m_altParent = nullptr;
    QPointer<QWidget> m_placeholder;
    int m_animationDuration = 300;
    int m_collapsedHeight = -1;
    UserSettings::AsAreaVisibility m_visibility = UserSettings::AreaHidden;
    bool m_hasContent = false;
};
