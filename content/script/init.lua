-- Quellon start-up script: the colours and animation layers of every
-- board item, and the board's cell size. It runs once before the game
-- exists; nothing reads it back.
--
-- The layer files and their frame counts are the art's (content/art/
-- item_layers.txt). What the board needs from them:
--   * "normal" and "cursor" never end and never block, or the item is
--     never idle and the board waits for ever;
--   * "move" and "falling" never end by themselves: their path ends them,
--     and a layer that ended first would snap the item home early;
--   * "delete" and "delete2" play once: their end removes the item;
--   * the trunk's "trunk_fall" plays once and, fitted to the fall, lasts
--     exactly as long as it; its end opens the trunk, and the end of the
--     single "trunk_open" wins the level.
-- Only the base library is open here.

local ENDLESS = 65535

-- it constant, art name, colour 1, colour 2, colour 3 (ARGB).
local boardItems = {
    {it.e01,         "puffer",    "FFFFD23C", "FFFFF2A0", "FF8A5A00"},
    {it.e02,         "clown",     "FFFF7A2A", "FFFFC8A0", "FF802000"},
    {it.e03,         "angel",     "FF5AA8FF", "FFC8E4FF", "FF10306A"},
    {it.e04,         "tang",      "FF2F5BFF", "FFFFE040", "FF0A1A60"},
    {it.e05,         "needle",    "FFB8F0D8", "FFFFFFFF", "FF2A7A5A"},
    {it.e06,         "boxfish",   "FFB070FF", "FFE8D0FF", "FF401A70"},
    {it.e07,         "trigger",   "FF20C8B0", "FFB0FFF0", "FF0A5A50"},
    {it.e08,         "seahorse",  "FFFF6AB4", "FFFFD0E8", "FF80204A"},
    {it.e09,         "angler",    "FF8A50C8", "FFFFF080", "FF2A1040"},
    {it.e10,         "manta",     "FF6A7C90", "FFE0ECF4", "FF1A2430"},
    {it.eHorz,       "crab_h",    "FFFF4A3A", "FFFFB0A0", "FF7A1008"},
    {it.eVert,       "crab_v",    "FFFF4A3A", "FFFFB0A0", "FF7A1008"},
    {it.eVertHorz,   "seastar",   "FFFFA040", "FFFFE0B0", "FF8A3A00"},
    {it.eHeart,      "heart",     "FFFF3A6A", "FFFFC0D0", "FF7A0A2A"},
    {it.eTimeFreeze, "snowflake", "FFA0E8FF", "FFFFFFFF", "FF2A6A9A"},
}

-- Every fish and special item: selected, resting, swapped, matched by the
-- player's move (delete) or by a cascade (delete2), and falling.
local function addBoardItem(item)
    local itemType = item[1]
    local art = "item_" .. item[2] .. "_"
    local white = ct.eUseWhiteColor
    setTypeColorInfo(itemType, item[3], item[4], item[5])
    addAniData(itemType, at.eNormal,    "normal",  art .. "normal.ifl",  white, ENDLESS, false, false, false)
    addAniData(itemType, at.eCursor,    "cursor",  art .. "cursor.ifl",  white, ENDLESS, false, false, false)
    addAniData(itemType, at.eMoving,    "move",    art .. "move.ifl",    white, ENDLESS, false, true,  false)
    addAniData(itemType, at.eDeleting,  "delete",  art .. "delete.ifl",  white, 1,       true,  true,  false)
    addAniData(itemType, at.eDeleting2, "delete2", art .. "delete2.ifl", white, 1,       true,  true,  false)
    addAniData(itemType, at.eFalling,   "falling", art .. "falling.ifl", white, ENDLESS, false, true,  false)
end

for _, item in ipairs(boardItems) do
    addBoardItem(item)
end

-- The trunk is never selected, swapped or matched.
setTypeColorInfo(it.eTrunk, "FFC08040", "FFFFE0A0", "FF5A3010")
addAniData(it.eTrunk, at.eNormal,    "normal",     "trunk.ifl",         ct.eUseWhiteColor, ENDLESS, false, false, false)
addAniData(it.eTrunk, at.eFalling,   "falling",    "trunk_falling.ifl", ct.eUseWhiteColor, ENDLESS, false, true,  false)
addAniData(it.eTrunk, at.eTrunkFall, "trunk_fall", "trunk_fall.ifl",    ct.eUseWhiteColor, 1,       true,  true,  true)
addAniData(it.eTrunk, at.eTrunkOpen, "trunk_open", "trunk_open.ifl",    ct.eUseWhiteColor, 1,       true,  true,  false)

setParam("cellsize", "55")
checkAniData()
