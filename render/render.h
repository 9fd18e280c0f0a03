// Drawing of the viewer's frames.
#ifndef HM_RENDER_RENDER_H
#define HM_RENDER_RENDER_H

// Draws one whole frame and presents it.
void RenderFrame(void);

#endif
