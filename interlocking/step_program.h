#pragma once
// Step programs: what a running route (or any other timed program of the desk)
// does at fixed values of its timer's step counter. A program is a table of rows,
// each a step number and the actions taken at that step, in order; at any step
// not in the table it does nothing.

#include <cstdint>
#include <span>

namespace zormia {

class Pul;

struct ProgramStep {
    std::int32_t step;
    void (*act)(Pul& desk);
};

using StepProgram = std::span<const ProgramStep>;

// Runs the rows of `program` listed for `step`, in table order.
inline void runStep(Pul& desk, StepProgram program, std::int32_t step) {
    for (const ProgramStep& row : program) {
        if (row.step == step) row.act(desk);
    }
}

}  // namespace zormia
