// The descriptions of the program's four windows.
#pragma once

#include "app/FormDescription.h"

namespace app {

const FormDescription& MainWindowDescription();
const FormDescription& ResultDialogDescription();
const FormDescription& NewGameDialogDescription();
const FormDescription& AboutDialogDescription();

}  // namespace app
