// Feeds script answers built from arbitrary bytes to the completion parser,
// as a user's completion function may return anything. The type must stay
// one of the known ones, and fixed or filter-dependent lists never hold an
// empty text.
#include <patterns/FilterCompletions.h>

#include <variables/AnyTypeVar.h>
#include <variables/DynVar.h>
#include <variables/IntegerVar.h>
#include <variables/MappingVar.h>
#include <variables/MixedVar.h>
#include <variables/TextVar.h>
#include <filtervalues/WildcardConfig.h>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

// Reads script values from bytes: a kind byte, then the value's bytes.
class Decoder
{
public:
    Decoder(const uint8_t* data, size_t size)
        : m_data(data)
        , m_size(size)
    {
    }

    Variable* next(int depth = 0)
    {
        if (m_pos >= m_size || depth > 5)
            return nullptr;
        switch (byte() % 8) {
        case 0:
            return new IntegerVar(int(int8_t(byte())) % 5);  // near the valid types
        case 1:
            return new TextVar(text());
        case 2: {
            auto* list = new DynVar;
            // Lists of up to 255 texts, so that longer inputs reach sizes.
            for (int n = byte(); n > 0; --n) {
                if (Variable* element = next(depth + 1))
                    list->append(element);
            }
            return list;
        }
        case 3: {
            auto* map = new MappingVar;
            for (int n = byte() % 5; n > 0; --n) {
                Variable* key = next(depth + 1);
                map->setAt(key, next(depth + 1));
            }
            return map;
        }
        case 4:
            return new MixedVar(next(depth + 1));
        case 5:
            return new AnyTypeVar(next(depth + 1));
        case 6: {
            // The keys the parser looks for, so that the fuzzer reaches them.
            static const char* const keys[] = {"type", "list", "map", "S1", "S2"};
            return new TextVar(keys[byte() % 5]);
        }
        default:
            return nullptr;
        }
    }

private:
    uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }

    QString text()
    {
        const int length = byte() % 8;
        QString result;
        for (int i = 0; i < length && m_pos < m_size; ++i)
            result += QChar(QLatin1Char(char('a' + byte() % 4)));
        return result;
    }

    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

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
    Decoder decoder(data, size);
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
