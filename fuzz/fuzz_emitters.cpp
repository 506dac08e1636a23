// Both code emitters and the checks on records typed from arbitrary input:
// every field is set through the same readings the pages and the command line
// use, then the checks, the parameter code and the declaration are built for
// both deliverables.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "coder/controlcheck.h"
#include "coder/coderfields.h"
#include "coder/paramcode.h"
#include "fuzzcheck.h"

namespace {

bool contains(const std::string& text, const std::string& piece) { return text.find(piece) != std::string::npos; }

void emitFor(zz::Deliverable deliverable, FuzzedDataProvider& in)
{
    zz::Zizudavuveva record = zz::pageDefaults(deliverable);
    const auto& fields = zz::coderFields();
    const int assignments = in.ConsumeIntegralInRange(0, 12);
    for (int i = 0; i < assignments; ++i) {
        const auto& field = fields[in.ConsumeIntegralInRange<size_t>(0, fields.size() - 1)];
        const std::string typed = in.ConsumeRandomLengthString(256);
        const zz::Zizudavuveva before = record;
        if (zz::setFieldFromText(record, deliverable, field.name, typed) != zz::FieldSet::ok)
            FUZZ_CHECK(record == before);
    }
    // Now and then a control type just past the table.
    if (in.ConsumeBool()) record.controlType = in.ConsumeIntegralInRange<uint32_t>(0, 5);
    const std::string comment = in.ConsumeRandomLengthString(128);

    const zz::Result check = zz::validateShit(record, deliverable);
    const zz::CodeResult code = zz::makeParameterCode(record, comment, deliverable);
    const zz::CodeResult declaration = zz::makeBoundVarCode(record, deliverable);

    const bool known = record.controlType <= zz::controltype::meter;
    const bool continuous = record.controlType == zz::controltype::continuous;
    // The code is refused for an unknown kind, a smoothing time past the
    // field's range, or a comment that would end its block early.
    const bool smoothingPastRange =
        continuous && record.enableParamSmoothing && !std::isfinite(record.smoothingTimeMsec);
    const bool codeRefused = !known || smoothingPastRange || !zz::checkComment(comment).ok;
    FUZZ_CHECK(!code.ok == codeRefused);
    // An unknown kind is refused silently, after the identifier check.
    if (!known) FUZZ_CHECK(!check.ok && check.message.empty() != record.controlID.empty());
    if (!check.ok && known) FUZZ_CHECK(!check.message.empty());
    if (code.ok) {
        const std::string text = zz::joinFragments(code.fragments);
        FUZZ_CHECK(contains(text, "piParam = new PluginParameter(" + record.controlID + ", " +
                                      zz::makeQuoted(record.controlName) + ", "));
        FUZZ_CHECK(contains(text, "\taddPluginParameter(piParam);"));
        if (record.enableVariableBinding) FUZZ_CHECK(contains(text, "\tpiParam->setBoundVariable(&" + record.boundVariableName + ", "));
        FUZZ_CHECK(code.fragments.back() == "\n");
    }
    // The declaration is refused when binding is off, for an unknown kind, a
    // default past the field's range, a name that is no C++ name, or switch
    // entries the enumeration cannot hold; each but the unknown kind with a message.
    const bool declarationRefused = !record.enableVariableBinding || !known ||
                                    (continuous && !std::isfinite(record.defValue)) ||
                                    !zz::checkBoundVariableName(record.boundVariableName).ok ||
                                    !zz::checkSwitchEntries(record, deliverable).ok;
    FUZZ_CHECK(!declaration.ok == declarationRefused);
    if (!record.enableVariableBinding) FUZZ_CHECK(declaration.message == zz::kBindingNotEnabled);
    if (!declaration.ok && known) FUZZ_CHECK(!declaration.message.empty());
    if (declaration.ok) {
        FUZZ_CHECK(!declaration.fragments.empty());
        FUZZ_CHECK(contains(declaration.fragments.front(), " " + record.boundVariableName + " = "));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const bool macFirst = in.ConsumeBool();
    emitFor(macFirst ? zz::Deliverable::mac : zz::Deliverable::windows, in);
    emitFor(macFirst ? zz::Deliverable::windows : zz::Deliverable::mac, in);
    return 0;
}
