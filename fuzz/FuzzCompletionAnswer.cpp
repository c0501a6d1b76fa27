// Feeds script answers built from arbitrary bytes to the completion parser,
// as a user's completion function may return anything. The type must stay
// one of the known ones, and fixed or filter-dependent lists never hold an
// empty text.
#include <patterns/FilterCompletions.h>

#include <filtervalues/WildcardConfig.h>

#include "ScriptValueDecoder.h"

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

void check(const FilterCompletions& completions)
{
    const int type = completions.getType();
    if (type != 0 && type != 1 && type != 2 && type != 3 && type != 100)
        abort();
    for (const QString& text : completions.getCompletionList()) {
        if (text.isEmpty())
            abort();
    }
    completions.getCompletionsForSystems({"S1", "S2", "S3"});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static WildcardConfig producer;
    producer.setLogThreshold(MsgLoggerEnums::LogError);
    FilterCompletions completions(&producer, QStringLiteral("P"), {QStringLiteral("S1")});
    ScriptValueDecoder decoder(data, size, {"type", "list", "map", "S1", "S2"});
    // A first (master) answer, then up to three more (slave or per-system).
    for (int answer = 0; answer < 4; ++answer) {
        const std::unique_ptr<Variable> result(decoder.next());
        completions.requestStarted();
        completions.applyCtrlCallReturnValue(nullptr, result.get());
        if (completions.getType() == FilterCompletions::TypeUnknown || completions.isRequestRunning())
            abort();
        check(completions);
    }
    return 0;
}
