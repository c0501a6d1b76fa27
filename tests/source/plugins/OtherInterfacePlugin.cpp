// A Qt plug-in of another interface: it loads, but is no panel plug-in.
#include <QObject>
#include <QtPlugin>

class OtherInterface
{
public:
    virtual ~OtherInterface() = default;
    virtual int answer() const = 0;
};
Q_DECLARE_INTERFACE(OtherInterface, "org.qvas.tests.OtherInterface")

class OtherInterfacePlugin : public QObject, public OtherInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qvas.tests.OtherInterface")
    Q_INTERFACES(OtherInterface)
public:
    int answer() const override { return 42; }
};

#include "OtherInterfacePlugin.moc"
