#pragma once

// Marks the entry points the host may call. Everything else in the module is hidden.
#define ORVANE_EXPORT __attribute__((visibility("default")))
