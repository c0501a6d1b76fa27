// Feeds menu answers to the menu description parser, as a user's mouse
// event function may return anything: the first byte chooses between a
// script value built from the bytes and a well-formed answer whose menu
// text is the rest of the bytes. A description that is valid holds only
// valid items of known types, and at least one item.
#include <table/MenuDescription.h>

#include "ScriptValueDecoder.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

void check(const MenuDescription& item, int depth)
{
    if (!item.isValid())
        abort();
    if (depth > 0 && (item.getType() < MenuDescription::Label || item.getType() > MenuDescription::Cascade))
        abort();
    if (depth > 0 && item.getType() != MenuDescription::Cascade && !item.getItems().isEmpty())
        abort();
    item.toString();
    item.parentHierarchy();
    for (const QSharedPointer<MenuDescription>& child : item.getItems()) {
        if (child->getParent() != &item)
            abort();
        check(*child, depth + 1);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static MsgLoggingProducer producer;
    producer.setLogThreshold(MsgLoggerEnums::LogError);
    ScriptValueDecoder decoder(data, size, {"menu", "menuX", "menuY", "[]", "[{\"type\":\"separator\"}]"});
    std::unique_ptr<Variable> answer;
    if (decoder.byte() % 2 == 0) {
        answer.reset(decoder.next());
    } else {
        auto* map = new MappingVar;
        map->setAt(new TextVar("menu"), new TextVar(QString::fromUtf8(decoder.rest())));
        map->setAt(new TextVar("menuX"), new IntegerVar(1));
        map->setAt(new TextVar("menuY"), new IntegerVar(2));
        answer.reset(map);
    }
    const MenuDescription root(&producer, QStringLiteral("fuzz"), answer.get());
    if (root.isValid()) {
        if (root.getItems().isEmpty())
            abort();
        check(root, 0);
    }
    return 0;
}
