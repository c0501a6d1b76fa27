#include "QvasDesignerWidget.h"

#include <QIcon>

QvasDesignerWidget::QvasDesignerWidget(const QString& className, const QString& includeFile,
                                       const QString& iconName, const QString& toolTip, const Factory& factory,
                                       QObject* parent)
    : QObject(parent)
    , m_className(className)
    , m_includeFile(includeFile)
    , m_iconName(iconName)
    , m_toolTip(toolTip)
    , m_factory(factory)
{
}

QString QvasDesignerWidget::group() const
{
    return QStringLiteral("qvas");
}

QIcon QvasDesignerWidget::icon() const
{
    return QIcon(QStringLiteral(":/qvas/designer/icons/%1.svg").arg(m_iconName));
}

QString QvasDesignerWidget::domXml() const
{
    const QString objectName = m_className.left(1).toLower() + m_className.mid(1);
    return QStringLiteral("<ui language=\"c++\">\n"
                          " <widget class=\"%1\" name=\"%2\"/>\n"
                          " <customwidgets>\n"
                          "  <customwidget>\n"
                          "   <class>%1</class>\n"
                          "   <header location=\"global\">%3</header>\n"
                          "  </customwidget>\n"
                          " </customwidgets>\n"
                          "</ui>\n")
        .arg(m_className, objectName, m_includeFile);
}
