#pragma once

// The state every pass of translucent sprites draws in: 2-D texturing, blending
// by source alpha, and an alpha test that discards fully transparent texels (so
// they write no depth). endSpritePass switches them off again in reverse order;
// the colour is left to the caller.
void beginSpritePass();
void endSpritePass();
