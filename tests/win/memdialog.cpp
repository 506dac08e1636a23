#include "memdialog.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "common/utf16.h"

namespace zz::win::test {

namespace {

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string trim(const std::string& s)
{
    size_t b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos)
        return {};
    size_t e = s.find_last_not_of(" \t\r\n");
    return s.substr(b, e - b + 1);
}

// Splits a statement's arguments at top-level commas (quotes respected).
std::vector<std::string> splitArguments(const std::string& s)
{
    std::vector<std::string> parts;
    std::string current;
    bool quoted = false;
    for (size_t i = 0; i < s.size(); ++i) {
        char ch = s[i];
        if (ch == '"') {
            if (quoted && i + 1 < s.size() && s[i + 1] == '"') {  // "" inside a string
                current += "\"\"";
                ++i;
                continue;
            }
            quoted = !quoted;
        }
        if (ch == ',' && !quoted) {
            parts.push_back(trim(current));
            current.clear();
        } else {
            current += ch;
        }
    }
    parts.push_back(trim(current));
    return parts;
}

std::string unquote(const std::string& s)
{
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"') {
        std::string inner = s.substr(1, s.size() - 2), out;
        for (size_t i = 0; i < inner.size(); ++i) {
            out += inner[i];
            if (inner[i] == '"' && i + 1 < inner.size() && inner[i + 1] == '"')
                ++i;
        }
        return out;
    }
    return s;
}

struct Styles {
    std::vector<std::string> set;
    std::vector<std::string> removed;
    bool has(const std::string& name) const { return std::find(set.begin(), set.end(), name) != set.end(); }
    bool lacks(const std::string& name) const
    {
        return std::find(removed.begin(), removed.end(), name) != removed.end();
    }
};

Styles parseStyles(const std::string& expression)
{
    Styles styles;
    std::istringstream words(expression);
    std::string word;
    bool negate = false;
    while (words >> word) {
        if (word == "|")
            continue;
        if (word == "NOT") {
            negate = true;
            continue;
        }
        (negate ? styles.removed : styles.set).push_back(word);
        negate = false;
    }
    return styles;
}

}  // namespace

std::map<int, DialogDef> parseResourceScript(const std::string& scriptText, const std::string& headerText)
{
    std::map<std::string, int> names = {{"IDOK", 1}, {"IDCANCEL", 2}, {"IDC_STATIC", -1}, {"IDHELP", 9}};
    {
        std::istringstream lines(headerText);
        std::string line;
        while (std::getline(lines, line)) {
            std::istringstream words(line);
            std::string define, name, value;
            if (words >> define >> name >> value && define == "#define") {
                if (value == "(-1)")
                    value = "-1";
                try {
                    names.emplace(name, std::stoi(value));
                } catch (...) {
                }
            }
        }
    }
    auto number = [&](const std::string& token) {
        auto found = names.find(token);
        if (found != names.end())
            return found->second;
        return std::stoi(token);
    };

    std::map<int, DialogDef> templates;
    std::istringstream lines(scriptText);
    std::string line;
    DialogDef* current = nullptr;
    bool inBody = false;
    while (std::getline(lines, line)) {
        std::string t = trim(line);
        if (t.empty() || t.rfind("//", 0) == 0)
            continue;
        std::istringstream words(t);
        std::string first, second;
        words >> first >> second;
        if (!current && second == "DIALOGEX") {
            DialogDef def;
            def.id = number(first);
            std::string rest;
            std::getline(words, rest);
            auto numbers = splitArguments(rest);
            def.width = std::stoi(numbers.at(2));
            def.height = std::stoi(numbers.at(3));
            current = &templates[def.id];
            *current = def;
            continue;
        }
        if (!current)
            continue;
        if (!inBody) {
            if (first == "CAPTION")
                current->caption = unquote(trim(t.substr(7)));
            else if (first == "FONT") {
                auto args = splitArguments(trim(t.substr(4)));
                current->fontSize = std::stoi(args.at(0));
                current->font = unquote(args.at(1));
            } else if (first == "BEGIN")
                inBody = true;
            continue;
        }
        if (first == "END") {
            current = nullptr;
            inBody = false;
            continue;
        }

        const std::string keyword = first;
        auto args = splitArguments(trim(t.substr(keyword.size())));
        ControlDef c;
        std::string styleText;
        if (keyword == "EDITTEXT" || keyword == "COMBOBOX") {
            c.kind = keyword == "EDITTEXT" ? Kind::edit : Kind::combo;
            c.id = number(args.at(0));
            if (args.size() > 5)
                styleText = args[5];
        } else if (keyword == "CONTROL") {
            c.text = unquote(args.at(0));
            c.id = number(args.at(1));
            std::string cls = unquote(args.at(2));
            styleText = args.at(3);
            Styles s = parseStyles(styleText);
            if (cls == "Button")
                c.kind = s.has("BS_AUTORADIOBUTTON") || s.has("BS_RADIOBUTTON") ? Kind::radio
                         : s.has("BS_GROUPBOX")                                  ? Kind::group
                         : s.has("BS_AUTOCHECKBOX") || s.has("BS_CHECKBOX")      ? Kind::checkBox
                                                                                 : Kind::button;
            else if (cls == "Edit")
                c.kind = Kind::edit;
            else if (cls == "ComboBox")
                c.kind = Kind::combo;
            else
                c.kind = Kind::label;
        } else {
            c.text = unquote(args.at(0));
            c.id = number(args.at(1));
            if (args.size() > 6)
                styleText = args[6];
            if (keyword == "PUSHBUTTON" || keyword == "DEFPUSHBUTTON")
                c.kind = Kind::button;
            else if (keyword == "GROUPBOX")
                c.kind = Kind::group;
            else
                c.kind = Kind::label;  // LTEXT, CTEXT, RTEXT: WS_GROUP by default
            c.group = keyword == "LTEXT" || keyword == "CTEXT" || keyword == "RTEXT";
        }
        Styles s = parseStyles(styleText);
        c.visible = !s.lacks("WS_VISIBLE");
        c.disabled = s.has("WS_DISABLED");
        c.group = (c.group && !s.lacks("WS_GROUP")) || s.has("WS_GROUP");
        c.digitsOnly = s.has("ES_NUMBER");
        c.readOnly = s.has("ES_READONLY");
        c.multiLine = s.has("ES_MULTILINE");
        current->controls.push_back(c);
    }
    return templates;
}

const std::map<int, DialogDef>& programTemplates()
{
    static const std::map<int, DialogDef> templates =
        parseResourceScript(readFile(ZZ_SOURCE_DIR "/win/Zizavizerovo.rc"), readFile(ZZ_SOURCE_DIR "/win/resource.h"));
    return templates;
}

// ---- MemDialog ---------------------------------------------------------------

MemDialog::MemDialog(const DialogDef& def)
{
    for (const ControlDef& c : def.controls) {
        State state;
        state.def = c;
        state.text = (c.kind == Kind::edit || c.kind == Kind::combo) ? std::string() : c.text;
        state.enabled = !c.disabled;
        state.visible = c.visible;
        controls_.push_back(state);
    }
}

MemDialog::State& MemDialog::at(int id)
{
    return const_cast<State&>(static_cast<const MemDialog*>(this)->at(id));
}

const MemDialog::State& MemDialog::at(int id) const
{
    for (const State& s : controls_)
        if (s.def.id == id && id != -1)
            return s;
    throw std::out_of_range("no control " + std::to_string(id));
}

bool MemDialog::exists(int id) const
{
    return std::any_of(controls_.begin(), controls_.end(), [id](const State& s) { return s.def.id == id; });
}

std::string MemDialog::text(int id) const
{
    return at(id).text;
}

void MemDialog::setText(int id, const std::string& text)
{
    State& s = at(id);
    s.text = text;
    s.selectionAll = false;
    if (s.def.kind == Kind::edit)
        send(id, kChanged);  // edits tell their parent of every change
}

bool MemDialog::checked(int id) const
{
    return at(id).checked;
}

void MemDialog::setChecked(int id, bool checked)
{
    at(id).checked = checked;  // like BM_SETCHECK: the group mates stay as they are
}

void MemDialog::clearItems(int id)
{
    State& s = at(id);
    s.items.clear();
    s.selection = -1;
}

int MemDialog::addItem(int id, const std::string& text)
{
    State& s = at(id);
    s.items.emplace_back(text, 0);
    return static_cast<int>(s.items.size()) - 1;
}

void MemDialog::setItemData(int id, int index, std::intptr_t data)
{
    at(id).items.at(static_cast<size_t>(index)).second = data;
}

std::intptr_t MemDialog::itemData(int id, int index) const
{
    return at(id).items.at(static_cast<size_t>(index)).second;
}

int MemDialog::itemCount(int id) const
{
    return static_cast<int>(at(id).items.size());
}

int MemDialog::selection(int id) const
{
    return at(id).selection;
}

void MemDialog::setSelection(int id, int index)
{
    State& s = at(id);
    // An index outside the list removes the selection, as CB_SETCURSEL does.
    s.selection = (index >= 0 && static_cast<size_t>(index) < s.items.size()) ? index : -1;
    s.text = s.selection >= 0 ? s.items[static_cast<size_t>(s.selection)].first : std::string();
}

bool MemDialog::enabled(int id) const
{
    return at(id).enabled;
}

void MemDialog::setEnabled(int id, bool enabled)
{
    at(id).enabled = enabled;
}

bool MemDialog::visible(int id) const
{
    return at(id).visible;
}

void MemDialog::setVisible(int id, bool visible)
{
    at(id).visible = visible;
}

void MemDialog::setTextLimit(int id, std::size_t characters)
{
    at(id).limit = characters;
}

void MemDialog::selectAll(int id)
{
    at(id).selectionAll = true;
}

void MemDialog::clearSelection(int id)
{
    at(id).selectionAll = false;
}

void MemDialog::scrollCaret(int) {}

void MemDialog::requireUsable(int id) const
{
    const State& s = at(id);
    if (!s.visible || !s.enabled)
        throw std::logic_error("control " + std::to_string(id) + " cannot be used");
}

void MemDialog::focus(int id)
{
    if (focus_ == id)
        return;
    int previous = focus_;
    focus_ = id;
    if (previous != 0 && at(previous).def.kind == Kind::edit)
        send(previous, kKillFocus);
}

void MemDialog::type(int id, const std::string& typed)
{
    requireUsable(id);
    focus(id);
    State& s = at(id);
    if (s.def.readOnly)
        return;
    std::string text;
    // One character (a UTF-8 sequence) at a time.
    for (size_t i = 0; i < typed.size();) {
        size_t n = 1;
        unsigned char lead = static_cast<unsigned char>(typed[i]);
        if (lead >= 0xF0)
            n = 4;
        else if (lead >= 0xE0)
            n = 3;
        else if (lead >= 0xC0)
            n = 2;
        std::string ch = typed.substr(i, n);
        i += n;
        if (s.def.digitsOnly && !(ch.size() == 1 && std::isdigit(static_cast<unsigned char>(ch[0]))))
            continue;  // refused with a beep
        const size_t limit = s.limit ? s.limit : 30000;
        if (utf16::length(text + ch) > limit)
            continue;
        text += ch;
    }
    s.text = text;
    s.selectionAll = false;
    send(id, kChanged);
}

void MemDialog::click(int id)
{
    requireUsable(id);
    focus(id);
    State& s = at(id);
    if (s.def.kind == Kind::checkBox) {
        s.checked = !s.checked;
    } else if (s.def.kind == Kind::radio) {
        // The group: from the control with WS_GROUP before it to the next one.
        size_t index = 0;
        while (&controls_[index] != &s)
            ++index;
        size_t first = index;
        while (first > 0 && !controls_[first].def.group)
            --first;
        for (size_t i = first; i < controls_.size(); ++i) {
            if (i != first && controls_[i].def.group)
                break;
            if (controls_[i].def.kind == Kind::radio)
                controls_[i].checked = false;
        }
        s.checked = true;
    }
    send(id, kClicked);
}

void MemDialog::choose(int id, int index)
{
    requireUsable(id);
    focus(id);
    setSelection(id, index);
}

std::vector<std::string> MemDialog::items(int id) const
{
    std::vector<std::string> out;
    for (const auto& item : at(id).items)
        out.push_back(item.first);
    return out;
}

bool MemDialog::hasSelection(int id) const
{
    return at(id).selectionAll && !at(id).text.empty();
}

std::size_t MemDialog::textLimit(int id) const
{
    return at(id).limit;
}

const ControlDef& MemDialog::def(int id) const
{
    return at(id).def;
}

}  // namespace zz::win::test
