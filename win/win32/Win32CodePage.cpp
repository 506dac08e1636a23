#include "Win32CodePage.h"

#include <cwchar>

#include "common/utf8.h"

namespace zz::win {

std::string Win32CodePage::toUtf8(std::string_view bytes) const
{
    return narrow(widen(bytes, number_));
}

std::optional<std::string> Win32CodePage::fromUtf8(std::string_view utf8) const
{
    if (!utf8::isValid(utf8))
        return std::nullopt;
    const std::wstring wide = widen(utf8);
    if (wide.empty())
        return std::string();
    // No look-alikes ("best fit": a plain "O" for an omega); a character
    // without a form of its own in the code page takes the default character,
    // which the flag reports.
    const int size = static_cast<int>(wide.size());
    BOOL usedDefault = FALSE;
    const int n =
        WideCharToMultiByte(number_, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, nullptr, &usedDefault);
    if (n <= 0 || usedDefault)
        return std::nullopt;
    std::string bytes(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(number_, WC_NO_BEST_FIT_CHARS, wide.data(), size, bytes.data(), n, nullptr, &usedDefault);
    if (usedDefault)
        return std::nullopt;
    return bytes;
}

UINT machineAnsiCodePage()
{
    // The setting itself, where GetACP takes it from.
    wchar_t value[16] = L"";
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Control\\Nls\\CodePage", L"ACP",
                     RRF_RT_REG_SZ, nullptr, value, &size) == ERROR_SUCCESS) {
        const unsigned long number = std::wcstoul(value, nullptr, 10);
        if (number > 0 && number <= 0xFFFF)
            return static_cast<UINT>(number);
    }
    // Else the system locale's.
    wchar_t locale[LOCALE_NAME_MAX_LENGTH] = L"";
    DWORD number = 0;
    if (GetSystemDefaultLocaleName(locale, LOCALE_NAME_MAX_LENGTH) > 0 &&
        GetLocaleInfoEx(locale, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER, reinterpret_cast<LPWSTR>(&number),
                        sizeof(number) / sizeof(wchar_t)) > 0)
        return number;
    return 0;
}

}  // namespace zz::win
