#import <Cocoa/Cocoa.h>

#include "projectpagelogic.h"

class AppKitOutlets;

// The project page (the class keeps the generic name ViewController). Its
// behaviour is the portable zz::mac::ProjectPageLogic; this class builds the
// controls, connects the outlets and forwards the actions.
@interface ViewController : NSViewController {
    IBOutlet NSTextField* projectName;
    IBOutlet NSPopUpButton* categoryCombo;
    IBOutlet NSButton* individualProject;
    IBOutlet NSButton* universalProject;
    IBOutlet NSButton* browseProject;
    IBOutlet NSTextField* projectFolderBox;
    IBOutlet NSButton* processFrames;
    IBOutlet NSButton* processBuffers;
    IBOutlet NSButton* processBlocks;
    IBOutlet NSTextField* blockSize;
    IBOutlet NSTextField* pluginName;
    IBOutlet NSTextField* fourCharCode;
    IBOutlet NSTextField* fourCharCompany;
    IBOutlet NSTextField* vendorName;
    IBOutlet NSTextField* vendorURL;
    IBOutlet NSTextField* vendorEmail;
    IBOutlet NSTextField* aaxPluginName;
    IBOutlet NSTextField* shortPluginName;
    IBOutlet NSButton* synthPlugin;
    IBOutlet NSButton* enableSidechain;
    IBOutlet NSButton* enableParameterSmoothing;
    IBOutlet NSTextField* smoothingTime;
    IBOutlet NSTextField* pluginLatency;
    IBOutlet NSTextField* tailTime;
    IBOutlet NSButton* linkFFTW;
    IBOutlet NSButton* infiniteTail;
    IBOutlet NSButton* saaAutomation;
    IBOutlet NSTextField* saaGranulatiry;  // the automation granularity (the outlet's spelling)
    IBOutlet NSButton* exposePTGRMeter;
    IBOutlet NSButton* includeFXObjects;
    IBOutlet NSButton* indAAX;
    IBOutlet NSButton* indAU;
    IBOutlet NSButton* indVST;
    IBOutlet NSButton* uniAAX;
    IBOutlet NSButton* uniAU;
    IBOutlet NSButton* uniVST;

    // The controls in the order Tab walks them.
    NSArray* keyViews;
    AppKitOutlets* outlets;
    zz::mac::ProjectPageLogic* logic;
}

- (AppKitOutlets*)outlets;

- (void)viewDidLoad;
- (void)viewDidAppear;
- (void)viewWillDisappear;
// Puts the page's order of Tab in place again.
- (void)chainKeyViews;

// The page's operations under their own names; nothing calls these, the logic runs its own.
- (void)initControls;
- (BOOL)parseControls;
- (void)saveLogFile;  // the settings file, not a log

- (IBAction)projectType:(id)sender;
// The processing and API buttons' actions ("audioProccessing" as spelled): the radio group only.
- (IBAction)audioProccessing:(id)sender;
- (IBAction)individAPISelect:(id)sender;
- (IBAction)updateProjectName:(id)sender;
- (IBAction)browseForProjFolder:(id)sender;
- (IBAction)makeProject:(id)sender;
- (IBAction)restoreTemplateFolder:(id)sender;
- (IBAction)closeApp:(id)sender;
- (void)alertDidEnd:(NSAlert*)alert returnCode:(NSInteger)returnCode contextInfo:(void*)contextInfo;

// Window delegate methods kept by the page; the window's delegate is AppDelegate, so nothing calls them.
- (NSSize)windowWillResize:(NSWindow*)sender toSize:(NSSize)frameSize;
- (void)windowWillClose:(NSNotification*)notification;

@end
