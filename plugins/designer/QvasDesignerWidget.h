#pragma once

#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <functional>

// One of the alarm screen's widgets in Qt Designer's widget box: its class,
// header, icon and tool tip, and how to make one for the form being edited.
class QvasDesignerWidget : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)
public:
    using Factory = std::function<QWidget*(QWidget*)>;

    QvasDesignerWidget(const QString& className, const QString& includeFile, const QString& iconName,
                       const QString& toolTip, const Factory& factory, QObject* parent);

    QString name() const override { return m_className; }
    QString group() const override;
    QString toolTip() const override { return m_toolTip; }
    QString whatsThis() const override { return m_toolTip; }
    QString includeFile() const override { return m_includeFile; }
    QIcon icon() const override;
    bool isContainer() const override { return false; }
    QWidget* createWidget(QWidget* parent) override { return m_factory(parent); }
    bool isInitialized() const override { return m_initialized; }
    void initialize(QDesignerFormEditorInterface*) override { m_initialized = true; }
    // The header as <...>, as the package installs it under its include folder.
    QString domXml() const override;

private:
    QString m_className;
    QString m_includeFile;
    QString m_iconName;
    QString m_toolTip;
    Factory m_factory;
    bool m_initialized = false;
};
