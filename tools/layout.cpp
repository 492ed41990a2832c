// layout -- prints the street's layout as the game has it, as shell
// assignments, for the end-to-end scripts to click and look where the game
// draws:  eval "$(layout)"
#include <stdio.h>

#include "layout.h"

static void list(const char *name, const int *values, int count)
{
    printf("%s=(", name);
    for (int i = 0; i < count; i++)
        printf(i ? " %d" : "%d", values[i]);
    printf(")\n");
}

static void zones(const char *name, const ZONE *zone)
{
    int x1[DOOR_COUNT], y1[DOOR_COUNT], x2[DOOR_COUNT], y2[DOOR_COUNT];
    int cx[DOOR_COUNT], cy[DOOR_COUNT];
    for (int i = 0; i < DOOR_COUNT; i++) {
        x1[i] = zone[i].x1;
        y1[i] = zone[i].y1;
        x2[i] = zone[i].x2;
        y2[i] = zone[i].y2;
        cx[i] = zone_centre_x(zone[i]);
        cy[i] = zone_centre_y(zone[i]);
    }
    char key[64];
    const char *const parts[] = {"X1", "Y1", "X2", "Y2", "CENTRE_X", "CENTRE_Y"};
    const int *values[] = {x1, y1, x2, y2, cx, cy};
    for (int p = 0; p < 6; p++) {
        snprintf(key, sizeof key, "%s_%s", name, parts[p]);
        list(key, values[p], DOOR_COUNT);
    }
}

int main(void)
{
    printf("SCREEN_WIDTH=%d\nSCREEN_HEIGHT=%d\n", SCREEN_WIDTH, SCREEN_HEIGHT);
    list("DOOR_LEAF_X", door_leaf_x, DOOR_COUNT);
    printf("DOOR_LEAF_Y=%d\n", DOOR_LEAF_Y);
    list("SLOT_X", slot_x, DOOR_COUNT);
    printf("SLOT_Y=%d\n", SLOT_Y);
    zones("CREATURE_ZONE", creature_zone);
    zones("DOOR_FRAME_ZONE", door_frame_zone);
    list("KOLT_SECTOR_X", kolt_sector_x, KOLT_SECTORS);
    printf("CARTRIDGES_X=%d\nCARTRIDGES_Y=%d\n", CARTRIDGES_X, CARTRIDGES_Y);
    printf("FIRST_LEVEL=%d\nSECRET_CHEAT_LEVEL=%d\nDUEL_CHEAT_LEVEL=%d\n", FIRST_LEVEL, SECRET_CHEAT_LEVEL,
           DUEL_CHEAT_LEVEL);
    return 0;
}
