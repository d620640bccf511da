#pragma once

#include "app/shell/form_context.h"

// Sets ClickWaitFlag and waits, 100 ms at a time with the window's messages
// flowing, until a click or the dialog's closing path clears it. A window
// closed meanwhile ends the wait with QuitRequested.
void WaitForClick(FormContext& context);
