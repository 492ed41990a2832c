// animator.cpp -- loading and drawing animation objects.
#include "animator.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "criterr.h"
#include "reader.h"
#include "variable.h"

#define ANIM_DIR "data/text/"
#define GFX_DIR "data/gfx/"
#define ANIM_MAX_RECORDS 1000   // animation records in one file
#define ANIM_MAX_DELAY 360000   // a step's delay: an hour of game-clock ticks
#define ANIM_MAX_MOVE_X SCREEN_WIDTH    // a frame's drawing offset stays within a screen
#define ANIM_MAX_MOVE_Y SCREEN_HEIGHT

static void *checked_calloc(size_t count, size_t size, const char *path)
{
    void *p = calloc(count ? count : 1, size);
    if (!p)
        critical_error("Out of memory while loading %s", path);
    return p;
}

static int read_count(FILE *f, const char *path, const char *what, int low, int high)
{
    return read_int_range(f, path, what, low, high);
}

static void load_pictures(ANIM_OBJECT_STRUCTURE *obj, FILE *f, const char *path)
{
    obj->bitmap_count = read_count(f, path, "the picture count", 1, ANIM_MAX_BITMAPS);
    obj->image = (BITMAP **)checked_calloc(obj->bitmap_count, sizeof(BITMAP *), path);
    for (int i = 0; i < obj->bitmap_count; i++) {
        char name[TOKEN_SIZE];
        char picture_path[PATH_SIZE];
        read_word(f, name, sizeof name, path, "a picture name");
        make_path(picture_path, sizeof picture_path, GFX_DIR, name);
        obj->image[i] = load_bitmap(picture_path, pal);
        if (!obj->image[i])
            critical_error("Unable to open file %s", picture_path);
    }
}

static void load_frames(ANIM_OBJECT_STRUCTURE *obj, FILE *f, const char *path)
{
    obj->frame_count = read_count(f, path, "the picture-frame count", 0, ANIM_MAX_FRAMES);
    obj->frame = (ONE_FRAME_STRUCTURE *)checked_calloc(obj->frame_count, sizeof(ONE_FRAME_STRUCTURE), path);
    for (int i = 0; i < obj->frame_count; i++) {
        ONE_FRAME_STRUCTURE *fr = &obj->frame[i];
        // Size comes before position in the file.
        fr->image = read_int(f, path, "a picture frame's picture");
        fr->width = read_int(f, path, "a picture frame's width");
        fr->height = read_int(f, path, "a picture frame's height");
        fr->image_position_X = read_int(f, path, "a picture frame's x");
        fr->image_position_Y = read_int(f, path, "a picture frame's y");
        fr->move_X = read_count(f, path, "a picture frame's move x", -ANIM_MAX_MOVE_X, ANIM_MAX_MOVE_X);
        fr->move_Y = read_count(f, path, "a picture frame's move y", -ANIM_MAX_MOVE_Y, ANIM_MAX_MOVE_Y);
        if (fr->image < 0 || fr->image >= obj->bitmap_count)
            critical_error("Broken file %s: picture frame %d names picture %d of %d", path, i,
                           fr->image, obj->bitmap_count);
        BITMAP *pic = obj->image[fr->image];
        if (fr->width < 0 || fr->height < 0 || fr->image_position_X < 0 || fr->image_position_Y < 0 ||
            fr->width > pic->w - fr->image_position_X || fr->height > pic->h - fr->image_position_Y)
            critical_error("Broken file %s: picture frame %d (%d x %d at %d, %d) lies outside its "
                           "%d x %d picture",
                           path, i, fr->width, fr->height, fr->image_position_X, fr->image_position_Y,
                           pic->w, pic->h);
    }
}

static void load_slots(ANIM_OBJECT_STRUCTURE *obj, FILE *f, const char *path)
{
    int records = read_count(f, path, "the animation count", 0, ANIM_MAX_RECORDS);
    for (int r = 0; r < records; r++) {
        int k = read_count(f, path, "an animation slot", 0, ANIM_SLOTS - 1);
        ANIMATION_STRUCTURE *slot = &obj->animation[k];
        free(slot->frame);   // a slot named twice keeps the second record
        slot->frame = nullptr;
        slot->count = read_count(f, path, "a step count", 0, ANIM_MAX_STEPS);
        if (slot->count > 0)
            slot->frame = (FRAME_STRUCTURE *)checked_calloc(slot->count, sizeof(FRAME_STRUCTURE), path);
        for (int s = 0; s < slot->count; s++) {
            slot->frame[s].index = read_int(f, path, "a step's picture frame");
            slot->frame[s].delay = read_count(f, path, "a step's delay", 0, ANIM_MAX_DELAY);
            if (slot->frame[s].index < 0 || slot->frame[s].index >= obj->frame_count)
                critical_error("Broken file %s: step %d of slot %d names picture frame %d of %d", path, s,
                               k, slot->frame[s].index, obj->frame_count);
        }
        slot->loop_start = read_int(f, path, "a loop start");
        if (slot->loop_start < 0 || slot->loop_start >= (slot->count > 0 ? slot->count : 1))
            critical_error("Broken file %s: loop start %d of slot %d is outside its %d steps", path,
                           slot->loop_start, k, slot->count);
    }
}

namespace {

// The file and the object being built: both released if the reading ends
// early (critical_error may return to a caller that goes on, in the tests).
struct AnimLoad {
    FILE *f = nullptr;
    ANIM_OBJECT_STRUCTURE *obj = nullptr;
    AnimLoad() = default;
    AnimLoad(const AnimLoad &) = delete;
    AnimLoad &operator=(const AnimLoad &) = delete;
    ~AnimLoad()
    {
        if (f)
            fclose(f);
        destroy_anim_object(obj);
    }
};

}  // namespace

ANIM_OBJECT_STRUCTURE *load_anim_object(const char *name)
{
    char path[PATH_SIZE];
    make_path(path, sizeof path, ANIM_DIR, name);
    AnimLoad load;
    load.f = fopen(path, "r");
    if (!load.f)
        critical_error("Unable to open file %s", path);

    load.obj = (ANIM_OBJECT_STRUCTURE *)checked_calloc(1, sizeof *load.obj, path);
    ANIM_OBJECT_STRUCTURE *obj = load.obj;
    obj->last_time = 0;
    load_pictures(obj, load.f, path);
    load_frames(obj, load.f, path);
    load_slots(obj, load.f, path);
    obj->actual_animation = 0;
    obj->actual_frame = 0;
    load.obj = nullptr;
    return obj;
}

int destroy_anim_object(ANIM_OBJECT_STRUCTURE *obj)
{
    if (!obj)
        return 0;
    for (int k = 0; k < ANIM_SLOTS; k++)
        free(obj->animation[k].frame);
    free(obj->frame);
    if (obj->image) {
        for (int i = 0; i < obj->bitmap_count; i++)
            if (obj->image[i])
                destroy_bitmap(obj->image[i]);
        free(obj->image);
    }
    free(obj);
    return 0;
}

const ONE_FRAME_STRUCTURE *anim_frame(const ANIM_OBJECT_STRUCTURE *obj, int animation, int frame)
{
    if (!obj || animation < 0 || animation >= ANIM_SLOTS)
        return nullptr;
    const ANIMATION_STRUCTURE *slot = &obj->animation[animation];
    if (frame < 0 || frame >= slot->count || !slot->frame)
        return nullptr;
    return &obj->frame[slot->frame[frame].index];
}

// Shared by the three anchors: (dx, dy) is the anchor's offset from the
// rectangle's top-left in units of half width / whole height.
static int draw_anchored(ANIM_OBJECT_STRUCTURE *obj, int x, int y, int animation, int frame,
                         int centre_x, int bottom)
{
    const ONE_FRAME_STRUCTURE *fr = anim_frame(obj, animation, frame);
    if (!fr || !game_screen)
        return 0;
    int left = x + fr->move_X - (centre_x ? fr->width / 2 : 0);
    int top = y + fr->move_Y - (bottom ? fr->height : 0);
    masked_blit(obj->image[fr->image], game_screen, fr->image_position_X, fr->image_position_Y, left,
                top, fr->width, fr->height);
    return 0;
}

int fr_draw_anim_object(ANIM_OBJECT_STRUCTURE *obj, int x, int y, int animation, int frame)
{
    return draw_anchored(obj, x, y, animation, frame, 0, 0);
}

int draw_center_top(ANIM_OBJECT_STRUCTURE *obj, int x, int y, int animation, int frame)
{
    return draw_anchored(obj, x, y, animation, frame, 1, 0);
}

int draw_center_bottom(ANIM_OBJECT_STRUCTURE *obj, int x, int y, int animation, int frame)
{
    return draw_anchored(obj, x, y, animation, frame, 1, 1);
}

int center_top_opaque_near(const ANIM_OBJECT_STRUCTURE *obj, int x, int y, int animation, int frame, int px,
                           int py, int radius)
{
    const ONE_FRAME_STRUCTURE *fr = anim_frame(obj, animation, frame);
    if (!fr || fr->image < 0 || fr->image >= obj->bitmap_count || !obj->image[fr->image])
        return 0;
    BITMAP *picture = obj->image[fr->image];
    int left = x + fr->move_X - fr->width / 2;
    int top = y + fr->move_Y;
    int mask = bitmap_mask_color(picture);
    for (int dy = -radius; dy <= radius; dy++) {
        for (int dx = -radius; dx <= radius; dx++) {
            if (dx * dx + dy * dy > radius * radius)
                continue;
            int fx = px + dx - left, fy = py + dy - top;     // inside the drawn rectangle
            if (fx < 0 || fy < 0 || fx >= fr->width || fy >= fr->height)
                continue;
            // The loader keeps every rectangle inside its picture.
            if (getpixel(picture, fr->image_position_X + fx, fr->image_position_Y + fy) != mask)
                return 1;
        }
    }
    return 0;
}
