// The screen-saver policy of the current user, read afresh each time: an
// administrator may set it while the program runs.
#ifndef NAPKEY_SAVER_POLICY_WIN_H
#define NAPKEY_SAVER_POLICY_WIN_H

#include "saver/policy.h"

SaverPolicy ReadSaverPolicy();

#endif
