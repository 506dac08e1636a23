#import "GNUstepEditFilter.h"

#import "CustomTextFieldFormatter.h"

@implementation GNUstepEditFilter

- (id)init
{
    self = [super init];
    if (self) accepted = [[NSMutableDictionary alloc] init];
    return self;
}

- (void)dealloc
{
    [accepted release];
    [super dealloc];
}

- (NSValue*)keyFor:(id)field
{
    return [NSValue valueWithPointer:field];
}

- (void)controlTextDidBeginEditing:(NSNotification*)notification
{
    NSTextField* field = [notification object];
    [accepted setObject:[[[field stringValue] copy] autorelease] forKey:[self keyFor:field]];
}

- (void)controlTextDidChange:(NSNotification*)notification
{
    NSTextField* field = [notification object];
    NSText* editor = [[notification userInfo] objectForKey:@"NSFieldEditor"];
    if (editor == nil) editor = [field currentEditor];
    id formatter = [field formatter];
    if (editor == nil || ![formatter isKindOfClass:[CustomTextFieldFormatter class]]) return;
    NSString* proposed = [[[editor string] copy] autorelease];
    NSString* replacement = nil;
    if ([(CustomTextFieldFormatter*)formatter acceptsProposedString:proposed replacement:&replacement]) {
        [accepted setObject:proposed forKey:[self keyFor:field]];
        return;
    }
    NSString* previous = replacement;
    if (previous == nil) previous = [accepted objectForKey:[self keyFor:field]];
    if (previous == nil) previous = @"";
    [editor setString:previous];
    [editor setSelectedRange:NSMakeRange([previous length], 0)];
    if (replacement) [accepted setObject:replacement forKey:[self keyFor:field]];
}

@end
