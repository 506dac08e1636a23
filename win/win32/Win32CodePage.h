// The machine's code page through the system's own converters.
#pragma once

#include "Win32Controls.h"
#include "project/codepage.h"

namespace zz::win {

class Win32CodePage final : public CodePage {
public:
    explicit Win32CodePage(UINT number) : number_(number) {}
    UINT number() const { return number_; }

    std::string toUtf8(std::string_view bytes) const override;
    std::optional<std::string> fromUtf8(std::string_view utf8) const override;

private:
    UINT number_;
};

// The machine's ANSI code page: the one GetACP answers to programs that do
// not bring their own (this program's manifest makes its own UTF-8). 0 when
// the system does not tell.
UINT machineAnsiCodePage();

}  // namespace zz::win
