#import "TestScript.h"

#import "AppKitBridge.h"
#import "ControlCoderPage.h"
#import "MainWindow.h"
#import "ViewController.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
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

@interface TestScriptRunner : NSObject {
    MainWindow* mainWindow;
    std::vector<std::string>* lines;
    size_t next;
    std::FILE* transcript;
    ScriptedPerson* person;
    NSDate* waitDeadline;
}
- (id)initWithWindow:(MainWindow*)window script:(const std::string&)script transcript:(const std::string&)path;
- (void)step;
@end

@implementation TestScriptRunner

- (id)initWithWindow:(MainWindow*)window script:(const std::string&)script transcript:(const std::string&)path
{
    self = [super init];
    if (!self) return nil;
    mainWindow = window;
    lines = new std::vector<std::string>;
    std::ifstream in(script);
    for (std::string line; std::getline(in, line);) lines->push_back(line);
    transcript = std::fopen(path.c_str(), "w");
    person = new ScriptedPerson;
    TestScriptRunner* runner = self;
    person->note = [runner](const std::string& text) { [runner note:text]; };
    AppKitServices::shared().setScriptedPerson(person);
    return self;
}

- (void)note:(const std::string&)text
{
    if (!transcript) return;
    std::fprintf(transcript, "%s\n", text.c_str());
    std::fflush(transcript);
}

- (AppKitOutlets*)outletsFor:(Outlet)outlet
{
    AppKitOutlets* project = [[mainWindow projectPage] outlets];
    return project->control(outlet) != nil ? project : [[mainWindow coderPage] outlets];
}

- (NSButton*)buttonNamed:(const std::string&)name
{
    if (auto outlet = zz::mac::outletNamed(name)) return (NSButton*)[self outletsFor:*outlet]->control(*outlet);
    NSString* key = zzString(name);
    NSButton* button = [[mainWindow projectPage] buttonNamed:key];
    return button ? button : [[mainWindow coderPage] buttonNamed:key];
}

- (void)schedule:(NSTimeInterval)delay
{
    [self performSelector:@selector(step) withObject:nil afterDelay:delay];
}

- (void)capture:(const std::string&)path
{
    NSView* view = [[mainWindow window] contentView];
    [view lockFocus];
    NSBitmapImageRep* rep = [[[NSBitmapImageRep alloc] initWithFocusedViewRect:[view bounds]] autorelease];
    [view unlockFocus];
    NSData* png = [rep representationUsingType:NSPNGFileType properties:[NSDictionary dictionary]];
    [self note:[png writeToFile:zzString(path) atomically:YES] ? "captured: " + path : "capture failed: " + path];
}

// Runs one line; answers NO when the line asks to be run again later.
- (BOOL)run:(const std::string&)line
{
    std::istringstream words(line);
    std::string command, first;
    words >> command >> first;
    std::string rest;
    std::getline(words, rest);
    if (!rest.empty() && rest[0] == ' ') rest.erase(0, 1);
    rest = unescaped(rest);

    if (command.empty() || command[0] == '#') return YES;
    if (command == "page") {
        [mainWindow showPage:first == "coder" ? 1 : 0];
        [self note:"page: " + first];
    } else if (command == "set" || command == "type") {
        auto outlet = zz::mac::outletNamed(first);
        if (!outlet) {
            [self note:"unknown outlet: " + first];
            return YES;
        }
        AppKitOutlets* outlets = [self outletsFor:*outlet];
        NSTextField* field = (NSTextField*)outlets->control(*outlet);
        [[mainWindow window] makeFirstResponder:nil];
        outlets->setText(*outlet, rest);
        if (command == "type" && [field respondsToSelector:@selector(action)] && [field action] != NULL) {
            [field sendAction:[field action] to:[field target]];
        }
    } else if (command == "click") {
        NSButton* button = [self buttonNamed:first];
        if (button == nil) {
            [self note:"unknown button: " + first];
            return YES;
        }
        [self note:"click: " + first];
        [button performClick:nil];
    } else if (command == "select") {
        if (auto outlet = zz::mac::outletNamed(first)) {
            [self outletsFor:*outlet]->selectIndex(*outlet, std::atoi(rest.c_str()));
        }
    } else if (command == "answer") {
        person->answers.push_back(std::atoi(first.c_str()));
    } else if (command == "folder") {
        person->folders.push_back(unescaped(first + (rest.empty() ? "" : " " + rest)));
    } else if (command == "show") {
        if (auto outlet = zz::mac::outletNamed(first)) {
            AppKitOutlets* outlets = [self outletsFor:*outlet];
            const zz::mac::ControlKind kind = zz::mac::outletKind(*outlet);
            std::string value;
            if (kind == zz::mac::ControlKind::radioButton || kind == zz::mac::ControlKind::checkBox) {
                value = std::string(outlets->isOn(*outlet) ? "on" : "off") +
                        (outlets->isEnabled(*outlet) ? "" : " disabled");
            } else {
                value = escaped(outlets->text(*outlet));
            }
            [self note:"show: " + first + " = " + value];
        }
    } else if (command == "pasteboard") {
        NSString* text = [[NSPasteboard generalPasteboard] stringForType:NSStringPboardType];
        [self note:"pasteboard: " + escaped(zzStdString(text))];
    } else if (command == "capture") {
        [self capture:first];
    } else if (command == "note") {
        [self note:first + (rest.empty() ? "" : " " + rest)];
    } else if (command == "wait-file") {
        // Another program takes a screenshot meanwhile; it makes the file
        // when it is done. Give up after 30 seconds.
        if (waitDeadline == nil) waitDeadline = [[NSDate dateWithTimeIntervalSinceNow:30] retain];
        if (![[NSFileManager defaultManager] fileExistsAtPath:zzString(first)] &&
            [waitDeadline timeIntervalSinceNow] > 0) {
            return NO;
        }
        [waitDeadline release];
        waitDeadline = nil;
        [self note:"waited: " + first];
    } else {
        [self note:"unknown command: " + command];
    }
    return YES;
}

- (void)step
{
    if (next >= lines->size()) {
        [self note:"script ended"];
        return;
    }
    if (![self run:(*lines)[next]]) {
        [self schedule:0.1];
        return;
    }
    ++next;
    [self schedule:0.05];
}

@end

void startTestScriptIfAsked(MainWindow* mainWindow)
{
    const char* script = std::getenv("VADEZERAVI_TEST_SCRIPT");
    if (script == nullptr || *script == '\0') return;
    const char* transcript = std::getenv("VADEZERAVI_TEST_TRANSCRIPT");
    const std::string transcriptPath = transcript && *transcript ? transcript : std::string(script) + ".out";
    TestScriptRunner* runner = [[TestScriptRunner alloc] initWithWindow:mainWindow
                                                                  script:script
                                                              transcript:transcriptPath];
    [runner note:"script started"];
    [runner schedule:0.5];
}
