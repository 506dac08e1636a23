#import "ScriptRunner.h"

#import "AppKitNames.h"
#import "AppKitOutlets.h"
#import "AppKitStrings.h"
#import "ControlCoderPage.h"
#import "LayoutCheck.h"
#import "MainWindow.h"
#import "ScriptedServices.h"
#import "ViewController.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

using zz::mac::Outlet;

namespace {

std::string escaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n') out += "\\n";
        else if (c == '\t') out += "\\t";
        else if (c == '\r') out += "\\r";
        else if (c == '\\') out += "\\\\";
        else out += c;
    }
    return out;
}

// "a\tb" in a script stands for a tab, "\n" for a line break.
std::string unescaped(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[++i];
            out += next == 'n' ? '\n' : next == 't' ? '\t' : next;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

// The C++ side of a run. The runner holds it through an untyped pointer:
// GCC cannot encode C++ types in an instance variable or a method's
// parameters.
struct ScriptState {
    std::vector<std::string> lines;
    size_t next = 0;
    std::FILE* transcript = nullptr;
    std::string transcriptPath;
    ScriptedServices* services = nullptr;
    int keyRequests = 0;
};

@interface ScriptRunner : NSObject {
    MainWindow* mainWindow;
    void* stateStorage;
    NSDate* waitDeadline;
}
// Takes over `state` (a ScriptState).
- (id)initWithWindow:(MainWindow*)window state:(void*)state;
- (void)step;
- (void)noteLine:(const char*)text;
@end

static void note(ScriptRunner* runner, const std::string& text)
{
    [runner noteLine:text.c_str()];
}

static AppKitOutlets* outletsFor(MainWindow* mainWindow, Outlet outlet)
{
    AppKitOutlets* project = [[mainWindow projectPage] outlets];
    return project->control(outlet) != nil ? project : [[mainWindow coderPage] outlets];
}

// The first view that `matches`: `view` itself or one below it.
static NSView* findView(NSView* view, const std::function<bool(NSView*)>& matches)
{
    if (matches(view)) return view;
    NSArray* subviews = [view subviews];
    for (NSUInteger i = 0; i < [subviews count]; ++i) {
        if (NSView* found = findView([subviews objectAtIndex:i], matches)) return found;
    }
    return nil;
}

// The first button in `view` or below it that sends `action`.
static NSButton* buttonSending(NSView* view, SEL action)
{
    return (NSButton*)findView(view, [action](NSView* candidate) {
        return [candidate isKindOfClass:[NSButton class]] && [(NSButton*)candidate action] == action;
    });
}

// A button by its outlet's name, or by the name of its action (the commands
// that are no outlets: "makeProject" for makeProject:, and so on).
static NSButton* buttonNamed(MainWindow* mainWindow, const std::string& name)
{
    if (auto outlet = zz::mac::outletNamed(name)) return (NSButton*)outletsFor(mainWindow, *outlet)->control(*outlet);
    const SEL action = NSSelectorFromString(zzString(name + ":"));
    NSButton* button = buttonSending([[mainWindow projectPage] view], action);
    return button ? button : buttonSending([[mainWindow coderPage] view], action);
}

// The page switcher of the window.
static NSTabView* tabViewIn(NSView* view)
{
    return (NSTabView*)findView(view, [](NSView* candidate) { return [candidate isKindOfClass:[NSTabView class]]; });
}

// A control by its outlet's name; a command button that is no outlet by its
// action's name; any other control by its kind and text.
static std::string nameOf(MainWindow* mainWindow, id control)
{
    if (control == nil) return "none";
    Outlet outlet;
    if ([[mainWindow projectPage] outlets]->outletOf(control, &outlet) ||
        [[mainWindow coderPage] outlets]->outletOf(control, &outlet)) {
        return zz::mac::outletName(outlet);
    }
    if ([control isKindOfClass:[NSButton class]] && [(NSButton*)control action] != NULL) {
        const std::string action = zzStdString(NSStringFromSelector([(NSButton*)control action]));
        return action.substr(0, action.find(':'));
    }
    if ([control isKindOfClass:[NSScrollView class]]) return "commentView";
    if ([control isKindOfClass:[NSTextField class]]) return "label \"" + zzStdString([control stringValue]) + "\"";
    return zzStdString(NSStringFromClass([control class]));
}

// The control that has the keyboard focus: the field being edited when the
// window's field editor has it.
static id focusedControl(NSWindow* window)
{
    id responder = [window firstResponder];
    if ([responder isKindOfClass:[NSText class]] && [(NSText*)responder isFieldEditor]) return [responder delegate];
    return responder;
}

@implementation ScriptRunner

- (id)initWithWindow:(MainWindow*)window state:(void*)state
{
    self = [super init];
    if (!self) return nil;
    mainWindow = window;
    stateStorage = state;
    return self;
}

- (void)noteLine:(const char*)text
{
    std::FILE* transcript = static_cast<ScriptState*>(stateStorage)->transcript;
    if (!transcript) return;
    std::fprintf(transcript, "%s\n", text);
    std::fflush(transcript);
}

- (void)schedule:(NSTimeInterval)delay
{
    [self performSelector:@selector(step) withObject:nil afterDelay:delay];
}

// YES while no file is at `path` and 30 seconds have not passed since the
// first question: the line runs again later. Afterwards the next wait starts
// afresh.
- (BOOL)stillWaitingFor:(NSString*)path
{
    if (waitDeadline == nil) waitDeadline = [[NSDate dateWithTimeIntervalSinceNow:30] retain];
    if (![[NSFileManager defaultManager] fileExistsAtPath:path] && [waitDeadline timeIntervalSinceNow] > 0) return YES;
    [waitDeadline release];
    waitDeadline = nil;
    return NO;
}

- (void)capture:(const char*)pathText
{
    const std::string path = pathText;
    NSView* view = [[mainWindow window] contentView];
    [view lockFocus];
    NSBitmapImageRep* rep = [[[NSBitmapImageRep alloc] initWithFocusedViewRect:[view bounds]] autorelease];
    [view unlockFocus];
    NSData* png = [rep representationUsingType:NSBitmapImageFileTypePNG properties:[NSDictionary dictionary]];
    note(self, [png writeToFile:zzString(path) atomically:YES] ? "captured: " + path : "capture failed: " + path);
}

// Runs one line; answers NO when the line asks to be run again later.
- (BOOL)run:(const char*)lineText
{
    const std::string line = lineText;
    std::istringstream words(line);
    std::string command, first;
    words >> command >> first;
    std::string rawRest;
    std::getline(words, rawRest);
    if (!rawRest.empty() && rawRest[0] == ' ') rawRest.erase(0, 1);
    const std::string rest = unescaped(rawRest);
    // All the text after the command word, for the commands whose text may
    // hold spaces.
    const std::string text = unescaped(first + (rawRest.empty() ? "" : " " + rawRest));

    if (command.empty() || command[0] == '#') return YES;
    if (command == "page") {
        [tabViewIn([[mainWindow window] contentView]) selectTabViewItemAtIndex:first == "coder" ? 1 : 0];
        note(self, "page: " + first);
    } else if (command == "set" || command == "type") {
        auto outlet = zz::mac::outletNamed(first);
        if (!outlet) {
            note(self, "unknown outlet: " + first);
            return YES;
        }
        AppKitOutlets* outlets = outletsFor(mainWindow, *outlet);
        NSTextField* field = (NSTextField*)outlets->control(*outlet);
        [[mainWindow window] makeFirstResponder:nil];
        outlets->setText(*outlet, rest);
        if (command == "type" && [field respondsToSelector:@selector(action)] && [field action] != NULL) {
            [field sendAction:[field action] to:[field target]];
        }
    } else if (command == "click") {
        NSButton* button = buttonNamed(mainWindow, first);
        if (button == nil) {
            note(self, "unknown button: " + first);
            return YES;
        }
        note(self, "click: " + first);
        [button performClick:nil];
    } else if (command == "select") {
        if (auto outlet = zz::mac::outletNamed(first)) {
            outletsFor(mainWindow, *outlet)->selectIndex(*outlet, std::atoi(rest.c_str()));
        }
    } else if (command == "answer") {
        static_cast<ScriptState*>(stateStorage)->services->queueAnswer(std::atoi(first.c_str()));
    } else if (command == "folder") {
        static_cast<ScriptState*>(stateStorage)->services->queueFolder(text);
    } else if (command == "show") {
        if (auto outlet = zz::mac::outletNamed(first)) {
            AppKitOutlets* outlets = outletsFor(mainWindow, *outlet);
            const zz::mac::ControlKind kind = zz::mac::outletKind(*outlet);
            std::string value;
            if (kind == zz::mac::ControlKind::radioButton || kind == zz::mac::ControlKind::checkBox) {
                value = std::string(outlets->isOn(*outlet) ? "on" : "off") +
                        (outlets->isEnabled(*outlet) ? "" : " disabled");
            } else {
                value = escaped(outlets->text(*outlet));
            }
            note(self, "show: " + first + " = " + value);
        }
    } else if (command == "real-alerts") {
        static_cast<ScriptState*>(stateStorage)->services->showRealAlerts();
    } else if (command == "close") {
        // The window's close button: the application quits without Exit.
        note(self, "close: window");
        [[mainWindow window] performClose:nil];
    } else if (command == "focus") {
        // Keyboard input from outside (xdotool) goes to this field.
        if (auto outlet = zz::mac::outletNamed(first)) outletsFor(mainWindow, *outlet)->makeFirstResponder(*outlet);
    } else if (command == "pasteboard") {
        NSString* text = [[NSPasteboard generalPasteboard] stringForType:NSPasteboardTypeString];
        note(self, "pasteboard: " + escaped(zzStdString(text)));
    } else if (command == "clip") {
        // Text on the pasteboard, as another application would leave it.
        NSPasteboard* pasteboard = [NSPasteboard generalPasteboard];
        [pasteboard declareTypes:[NSArray arrayWithObject:NSPasteboardTypeString] owner:nil];
        [pasteboard setString:zzString(text) forType:NSPasteboardTypeString];
        note(self, "clip: " + escaped(text));
    } else if (command == "keys") {
        // Key presses from outside (xdotool): the request goes to the
        // transcript, and the script goes on when the presser has made the
        // request's file. Give up after 30 seconds.
        ScriptState* state = static_cast<ScriptState*>(stateStorage);
        const std::string done = state->transcriptPath + ".keys" + std::to_string(state->keyRequests + 1) + ".done";
        if (waitDeadline == nil) {
            note(self, "keys " + std::to_string(state->keyRequests + 1) + ": " + line.substr(line.find(' ') + 1));
        }
        if ([self stillWaitingFor:zzString(done)]) return NO;
        ++state->keyRequests;
    } else if (command == "show-focus") {
        note(self, "focus: " + nameOf(mainWindow, focusedControl([mainWindow window])));
    } else if (command == "keyloop") {
        // The controls that Tab walks, from a control until the walk comes
        // back to it.
        auto outlet = zz::mac::outletNamed(first);
        if (!outlet) {
            note(self, "unknown outlet: " + first);
            return YES;
        }
        NSView* start = outletsFor(mainWindow, *outlet)->control(*outlet);
        std::string walk = nameOf(mainWindow, start);
        NSView* view = [start nextKeyView];
        for (int steps = 0; view != nil && view != start && steps < 100; ++steps) {
            walk += " " + nameOf(mainWindow, view);
            view = [view nextKeyView];
        }
        note(self, "keyloop: " + walk + (view == start ? "" : " (no loop)"));
    } else if (command == "layout") {
        // Both pages, against the layout they were made for.
        NSView* pageViews[] = {[[mainWindow projectPage] view], [[mainWindow coderPage] view]};
        const char* pageNames[] = {"project", "coder"};
        for (int i = 0; i < 2; ++i) {
            const NSRect bounds = [pageViews[i] bounds];
            note(self, std::string("page size: ") + pageNames[i] + " " + std::to_string(int(bounds.size.width)) + "x" +
                           std::to_string(int(bounds.size.height)));
            MainWindow* window = mainWindow;
            const auto problems =
                layoutProblems(pageViews[i], [window](id control) { return nameOf(window, control); });
            for (const auto& problem : problems) note(self, std::string("layout: ") + pageNames[i] + ": " + problem);
            if (problems.empty()) note(self, std::string("layout: ") + pageNames[i] + " ok");
        }
    } else if (command == "menu") {
        // The items of a menu of the menu bar, each with its key equivalent
        // and the modifiers it needs: "Redo=cmd+Z".
        NSMenu* menu = [[[NSApp mainMenu] itemWithTitle:zzString(text)] submenu];
        std::string items = "menu: " + text;
        NSArray* entries = [menu itemArray];
        for (NSUInteger i = 0; i < [entries count]; ++i) {
            NSMenuItem* item = [entries objectAtIndex:i];
            items += " | ";
            if ([item isSeparatorItem]) {
                items += "-";
                continue;
            }
            items += zzStdString([item title]);
            const std::string key = zzStdString([item keyEquivalent]);
            if (key.empty()) continue;
            const NSEventModifierFlags mask = [item keyEquivalentModifierMask];
            items += "=";
            if (mask & NSEventModifierFlagControl) items += "ctrl+";
            if (mask & NSEventModifierFlagOption) items += "alt+";
            if (mask & NSEventModifierFlagShift) items += "shift+";
            if (mask & NSEventModifierFlagCommand) items += "cmd+";
            items += key;
        }
        note(self, items);
    } else if (command == "capture") {
        [self capture:first.c_str()];
    } else if (command == "note") {
        note(self, first + (rest.empty() ? "" : " " + rest));
    } else if (command == "wait-file") {
        // Another program takes a screenshot meanwhile; it makes the file
        // when it is done. Give up after 30 seconds.
        if ([self stillWaitingFor:zzString(first)]) return NO;
        note(self, "waited: " + first);
    } else {
        note(self, "unknown command: " + command);
    }
    return YES;
}

- (void)step
{
    ScriptState* state = static_cast<ScriptState*>(stateStorage);
    if (state->next >= state->lines.size()) {
        note(self, "script ended");
        return;
    }
    if (![self run:state->lines[state->next].c_str()]) {
        [self schedule:0.1];
        return;
    }
    ++state->next;
    [self schedule:0.05];
}

@end

void startScript(MainWindow* mainWindow, ScriptedServices& services, const char* scriptPath,
                 const char* transcriptPath)
{
    ScriptState* state = new ScriptState;
    std::ifstream in(scriptPath);
    for (std::string line; std::getline(in, line);) state->lines.push_back(line);
    state->transcript = std::fopen(transcriptPath, "w");
    state->transcriptPath = transcriptPath;
    state->services = &services;
    ScriptRunner* runner = [[ScriptRunner alloc] initWithWindow:mainWindow state:state];
    services.setNote([runner](const std::string& text) { note(runner, text); });
    note(runner, "script started");
    [runner schedule:0.5];
}
