// Everything an editor uses of the widget layer.
#pragma once

#include "gui/aeff_gui_editor.h"
#include "gui/bitmap.h"
#include "gui/buttons.h"
#include "gui/color.h"
#include "gui/control.h"
#include "gui/draw_context.h"
#include "gui/font.h"
#include "gui/frame.h"
#include "gui/option_menu.h"
#include "gui/param_display.h"
#include "gui/platform_window.h"
#include "gui/slider.h"
#include "gui/splash_screen.h"
#include "gui/text_edit.h"
#include "gui/vu_meter.h"
