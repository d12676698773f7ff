#pragma once
// Everything a program of the dialog framework uses.

#include "framework/button.h"
#include "framework/cstring.h"
#include "framework/dc.h"
#include "framework/dialog.h"
#include "framework/edit.h"
#include "framework/font.h"
#include "framework/geometry.h"
#include "framework/list_box.h"
#include "framework/menu.h"
#include "framework/message_box.h"
#include "framework/resource_types.h"
#include "framework/static_ctrl.h"
#include "framework/tooltip_ctrl.h"
#include "framework/user.h"
#include "framework/win_app.h"
#include "framework/win_constants.h"
