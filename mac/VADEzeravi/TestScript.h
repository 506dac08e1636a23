#import <Cocoa/Cocoa.h>

@class MainWindow;

// Scripted runs for the end-to-end tests: when the environment names a
// script (VADEZERAVI_TEST_SCRIPT), its lines are played on the real controls
// one by one after launch, alerts and the folder panel are answered from the
// script, and what was shown goes to a transcript (VADEZERAVI_TEST_TRANSCRIPT).
// Without the variable nothing of this runs.
void startTestScriptIfAsked(MainWindow* mainWindow);
