// blend.h -- translucent and multiplied drawing, and pictures loaded onto an 8-bit screen's palette.
#ifndef BLEND_H
#define BLEND_H

// Translucent and multiplied drawing (draw_trans_sprite).  At 15 to 32 bits
// these set Allegro's blender; at 8 bits Allegro blends through a colour map
// instead, so they also choose one of the maps built for the palette by
// blend_maps_init (translucency in 16 steps of opacity).  While the maps
// exist, load_bitmap maps every picture it reads onto their palette.
void blend_maps_init(void);         // at 8 bits: sets an even palette, builds the maps
void blend_maps_exit(void);
void trans_blender(int alpha);      // set_trans_blender(0, 0, 0, alpha)
void multiply_blender(int alpha);   // set_multiply_blender(0, 0, 0, alpha)

#endif
