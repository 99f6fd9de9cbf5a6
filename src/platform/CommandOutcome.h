// How a command behind a button ended when it did not fail.
#pragma once

enum class CommandOutcome {
    Completed, // the dispatcher's common tail runs
    LeftEarly, // the command told the operator there was nothing to do and restored the pointer itself
};
