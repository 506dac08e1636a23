#include "coder/parametertable.h"

#include <unordered_map>

#include "coder/controlcheck.h"
#include "common/text.h"

namespace zz {

CodeResult codeFor(const Zizudavuveva& record, Deliverable style, bool declaration)
{
    CodeResult result;
    if (declaration) {
        result = makeBoundVarCode(record, style);
    } else {
        const Result check = validateShit(record, style);
        result = check ? makeParameterCode(record, record.commentString, style) : CodeResult::refusal(check.message);
    }
    if (!result && result.message.empty())
        result.detail = "The control type must be 0, 1, 2 or 3, not " + std::to_string(record.controlType) + ".";
    return result;
}

const std::string& refusalText(const CodeResult& refusal)
{
    return refusal.message.empty() ? refusal.detail : refusal.message;
}

TableCode codeForTable(const std::vector<Zizudavuveva>& entries, Deliverable style, bool declarations)
{
    TableCode table;
    table.codes.reserve(entries.size());
    // Each identifier once: where it was first used, by entry number.
    std::unordered_map<std::string, size_t> firstUse;
    for (size_t n = 0; n < entries.size(); ++n) {
        const Zizudavuveva& r = entries[n];
        const std::string entry = "entry " + std::to_string(n + 1) + " (" + r.controlName + "): ";
        CodeResult code = codeFor(r, style, declarations);
        if (!code) {
            table.ok = false;
            table.message = entry + refusalText(code);
            return table;
        }
        const std::string id(trimWhiteSpace(r.controlID));
        if (!id.empty()) {
            const auto [earlier, fresh] = firstUse.emplace(id, n);
            if (!fresh) {
                table.ok = false;
                table.message = entry + "controlID " + id + " is already used by entry " +
                                std::to_string(earlier->second + 1) + " (" + entries[earlier->second].controlName +
                                ").";
                return table;
            }
        }
        table.codes.push_back(std::move(code.fragments));
    }
    return table;
}

std::string joinTableCode(const std::vector<Fragments>& codes)
{
    std::string out;
    for (size_t n = 0; n < codes.size(); ++n) {
        if (n > 0 && out.size() >= 2 && out.compare(out.size() - 2, 2, "\n\n") != 0)
            out += out.back() == '\n' ? "\n" : "\n\n";
        out += fragmentsAsText(codes[n]);
    }
    return out;
}

}  // namespace zz
