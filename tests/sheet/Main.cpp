#include "frame/GuiTestSupport.h"

GW_GUI_TEST_MAIN()
