// The per-pass input step: turns the recorded input into view changes.
#ifndef HM_CORE_INPUT_STEP_H
#define HM_CORE_INPUT_STEP_H

void InputStep(void);

#endif
