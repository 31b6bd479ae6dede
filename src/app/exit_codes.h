#pragma once
// Exit codes of run, check and recover.

namespace qor::app {

enum ExitCode : int {
    kExitOk = 0,
    kExitBadInput = 1,       // configuration, connection or municipality that cannot be used
    kExitRefused = 2,        // the start checks (or recover's) refused to go on
    kExitServiceFailed = 3,  // a service failed and was rolled back
    kExitScriptFailed = 4,   // the preparation or finishing scripts failed
    kExitCheckFailed = 5,    // check found a problem
};

}  // namespace qor::app
