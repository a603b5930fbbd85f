// Command ids of the menu, the toolbar and the hooks.
#pragma once

#include "app/lorvanix_ids.h"

enum : unsigned {
  CMD_PREMIERE = 306,  // ids from here to CMD_DERNIERE are dispatched
  CMD_DERNIERE = 720,
};
