// The widget factories now live in DialogLayout.h; this header only forwards
// to it for the files that still include it.
#pragma once

#include "dialogs/common/DialogLayout.h"
