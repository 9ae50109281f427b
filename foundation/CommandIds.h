// The command ids of the system: menus, tool bars, accelerators, status-bar panes and the code that
// handles them name the numbers here. The numbers are the ones the program has always had: string
// resources and help contexts are keyed by them. The framework's own commands (file, edit, window,
// help, tool bar and status bar) are in platform/ui/FrameworkIds.h.
#pragma once

#include "platform/afx/WinTypes.h"

#include <initializer_list>

// --- Document ----------------------------------------------------------------------------------
constexpr UINT ID_DOCUMENT_INFO = 32771;
constexpr UINT ID_PAGE_LAYOUT = 32772;
constexpr UINT ID_PRINT_OPTIONS = 32773;
constexpr UINT ID_EXPORT_EXCEL = 32774;
constexpr UINT ID_FILE_CLOSE_ALL = 32880;
constexpr UINT ID_IMPORT_EXCEL_DB_INTERFACE = 32902;

// --- View --------------------------------------------------------------------------------------
// The view's mode: print mode shows every object, define mode leaves out those hidden in it.
constexpr UINT ID_VIEW_PRINT_MODE = 32775;
constexpr UINT ID_VIEW_DEFINE_MODE = 32776;
constexpr UINT ID_VIEW_FRAME_PRINT_SCALE = 32777;
constexpr UINT ID_VIEW_FRAME_VIEW_SCALE = 32778;
constexpr UINT ID_VIEW_GRID = 32779;
constexpr UINT ID_VIEW_GUIDE = 32780;
// Switches bit 0x1 of the display word, which no model display mode uses.
constexpr UINT ID_VIEW_DISPLAY_BIT0 = 32781;
constexpr UINT ID_VIEW_DISPLAY_SETTINGS = 32782;
constexpr UINT ID_VIEW_ZOOM_FIT = 32783;
constexpr UINT ID_VIEW_ZOOM_CUSTOM = 32784;
constexpr UINT ID_VIEW_ZOOM_FIT_TOGGLE = 32785;
constexpr UINT ID_VIEW_ZOOM_IN = 32786;
constexpr UINT ID_VIEW_ZOOM_OUT = 32787;
constexpr UINT ID_VIEW_ZOOM_100 = 32788;
constexpr UINT ID_VIEW_ZOOM = 32789;
constexpr UINT ID_VIEW_TOOL_PALETTE = 32790;
constexpr UINT ID_VIEW_FIGURE_TOOLBAR = 32791;
constexpr UINT ID_VIEW_REDRAW = 32856;

// --- Drawing tools: the pointer, then every other tool up to ID_TOOL_LAST ----------------------
constexpr UINT ID_TOOL_POINTER = 32810;
constexpr UINT ID_TOOL_ZOOM = 32811;
constexpr UINT ID_TOOL_LINE = 32814;
constexpr UINT ID_TOOL_POLYLINE = 32815;
constexpr UINT ID_TOOL_RECT = 32816;
constexpr UINT ID_TOOL_ROUNDRECT = 32817;
constexpr UINT ID_TOOL_ELLIPSE = 32818;
constexpr UINT ID_TOOL_TEXT = 32819;
constexpr UINT ID_TOOL_ARC = 32820;
constexpr UINT ID_TOOL_FREEARC = 32821;
constexpr UINT ID_TOOL_CONNECTOR = 32822;
constexpr UINT ID_TOOL_DIAMOND = 32823;
constexpr UINT ID_TOOL_HEXAGON = 32824;
constexpr UINT ID_TOOL_OCTAGON = 32825;
constexpr UINT ID_TOOL_DATA = 32826;
constexpr UINT ID_TOOL_PROCESS = 32827;
constexpr UINT ID_TOOL_FILE = 32828;
constexpr UINT ID_TOOL_RELARROW = 32829;
constexpr UINT ID_TOOL_TASK = 32830;
constexpr UINT ID_TOOL_CLONE = 32831;
constexpr UINT ID_TOOL_OLE = 32832;
constexpr UINT ID_TOOL_BALLOON = 32833;
constexpr UINT ID_TOOL_CIRCLE_CONNECTOR = 32834;
constexpr UINT ID_TOOL_FIRST = ID_TOOL_POINTER;
constexpr UINT ID_TOOL_LAST = ID_TOOL_CIRCLE_CONNECTOR;

// --- Arrangement of the selection --------------------------------------------------------------
constexpr UINT ID_ARRANGE_SNAP_TO_GRID = 32840;
constexpr UINT ID_ARRANGE_FORWARD = 32841;
constexpr UINT ID_ARRANGE_BACKWARD = 32842;
constexpr UINT ID_ARRANGE_TO_FRONT = 32843;
constexpr UINT ID_ARRANGE_TO_BACK = 32844;
constexpr UINT ID_ALIGN_LEFT = 32845;
constexpr UINT ID_ALIGN_RIGHT = 32846;
constexpr UINT ID_ALIGN_TOP = 32847;
constexpr UINT ID_ALIGN_BOTTOM = 32848;
constexpr UINT ID_SPACE_VERTICAL = 32849;
constexpr UINT ID_SPACE_HORIZONTAL = 32850;
constexpr UINT ID_CASCADE_FROM_TOP_LEFT = 32851;
constexpr UINT ID_CASCADE_FROM_TOP_RIGHT = 32852;
constexpr UINT ID_SAME_WIDTH = 32853;
constexpr UINT ID_SAME_HEIGHT = 32854;
constexpr UINT ID_SAME_SIZE = 32855;
constexpr UINT ID_CENTER_HORIZONTAL = 32857;
constexpr UINT ID_CENTER_VERTICAL = 32858;
constexpr UINT ID_GROUP = 32859;
constexpr UINT ID_UNGROUP = 32860;

// --- Lines and relation arrows -----------------------------------------------------------------
constexpr UINT ID_AUTO_CONNECT_LINES = 32861;
constexpr UINT ID_CONNECT_ON_FRAME = 32912;
constexpr UINT ID_LINE_VERTICAL_CRANK = 32913;
constexpr UINT ID_LINE_HORIZONTAL_CRANK = 32914;
constexpr UINT ID_LINE_NO_AUTO_SHAPE = 32915;
constexpr UINT ID_LINE_RIGHT_ANGLE = 32916;
constexpr UINT ID_LINE_AUTO_ADJUST_POINTS = 32917;
// The kind of relation arrow the arrow tool draws (1 to 3 in this order).
constexpr UINT ID_ARROW_KIND_ONE_TO_MANY = 32918;
constexpr UINT ID_ARROW_KIND_SUBTYPE = 32919;
constexpr UINT ID_ARROW_KIND_SUBSTRUCTURE = 32920;
// The tool-palette buttons of the relation-arrow tool, one per kind (1 to 4 in this order).
constexpr UINT ID_ARROW_TOOL_ONE_TO_MANY = 32941;
constexpr UINT ID_ARROW_TOOL_SUBTYPE = 32942;
constexpr UINT ID_ARROW_TOOL_SUBSTRUCTURE = 32943;
constexpr UINT ID_ARROW_TOOL_SUPERTYPE = 32944;

// --- Settings ----------------------------------------------------------------------------------
constexpr UINT ID_OPTIONS = 32870;
constexpr UINT ID_FILE_KIND_SETTINGS = 32871;
// The drawing font of the document, the default drawing font of later documents, and the
// document's string edit options.
constexpr UINT ID_DOCUMENT_FONT = 32900;
constexpr UINT ID_DRAWING_FONT = 32901;
constexpr UINT ID_EDIT_OPTIONS = 32935;
constexpr UINT ID_DATA_TYPE_SETTINGS = 32959;
// The menu "開発支援(&I)": CREATE TABLE generation, the name derivations, default tablespaces.
constexpr UINT ID_CREATE_TABLE_DDL = 32960;
constexpr UINT ID_CREATE_TABLE_NAMES = 32961;
constexpr UINT ID_CREATE_PRIMARY_INDEX_NAMES = 32962;
constexpr UINT ID_CREATE_COLUMN_NAMES = 32963;
// The active document's default tablespaces.
constexpr UINT ID_DEFAULT_TABLESPACES = 32972;
// The update imports of the active document from spreadsheets in the update forms.
constexpr UINT ID_IMPORT_EXCEL_CONCEPT_UPDATE = 32974;
constexpr UINT ID_IMPORT_EXCEL_PHYSICAL_UPDATE = 32975;
constexpr UINT ID_COLOR_MENU_SETTINGS = 32981;

// --- Header information of the document ----------------------------------------------------------
constexpr UINT ID_EDIT_FIND_NEXT = 32903;
constexpr UINT ID_HEADER_SHOW_ALL = 32904;
constexpr UINT ID_HEADER_HIDE_ALL = 32905;
constexpr UINT ID_HEADER_TITLE = 32906;
constexpr UINT ID_HEADER_AUTHOR = 32907;
constexpr UINT ID_HEADER_UPDATER = 32908;
constexpr UINT ID_HEADER_CREATED = 32909;
constexpr UINT ID_HEADER_UPDATED = 32910;
constexpr UINT ID_HEADER_REMARKS = 32911;

// --- The data model ----------------------------------------------------------------------------
constexpr UINT ID_SELECT_ALL_FILES = 32936;
constexpr UINT ID_MERGE_FILES = 32940;
// Fills in the references of every RKEY data item by the ends of their names.
constexpr UINT ID_AUTO_SET_RKEY_REFERENCES = 32921;
constexpr UINT ID_MODEL_SHOW_NAMES = 32964;
constexpr UINT ID_MODEL_SHOW_TABLE_NAMES = 32965;
constexpr UINT ID_MODEL_SHOW_DATA_TYPES = 32966;
constexpr UINT ID_MODEL_SHOW_IMPLEMENTED_ONLY = 32967;
constexpr UINT ID_MODEL_SHOW_ALTERNATE_NAMES = 32968;
constexpr UINT ID_MODEL_SHORT_DATA_TYPES = 32969;
constexpr UINT ID_MODEL_NORMAL_DISPLAY = 32970;
constexpr UINT ID_MODEL_SHOW_MERGE_MARKS = 32971;
constexpr UINT ID_MODEL_SHOW_PHYSICAL_ITEMS = 32973;
constexpr UINT ID_MODEL_SHOW_FOREIGN_KEYS = 32976;
constexpr UINT ID_MODEL_SHOW_NULL_OPTIONS = 32977;
constexpr UINT ID_MODEL_XJ_NOTATION = 32978;
constexpr UINT ID_MODEL_IDEF_NOTATION = 32979;
constexpr UINT ID_MODEL_SHOW_CARDINALITY = 32980;

// --- Status-bar panes (the pane ids run from ID_INDICATOR_FIRST) ---------------------------------
constexpr UINT ID_INDICATOR_FIRST = 32890;
constexpr UINT ID_INDICATOR_CURSOR = 32893;
constexpr UINT ID_INDICATOR_ZOOM = 32894;
constexpr UINT ID_INDICATOR_CLOCK = 32895;
constexpr UINT ID_INDICATOR_WRITE_STATE = 32896;

// --- Commands on single objects: attributes, then operations -------------------------------------
// Pen styles: solid width 1, the four patterned styles (style = id - ID_PEN_SOLID_THIN, width 0),
// solid width 4 and 8.
constexpr UINT ID_PEN_SOLID_THIN = 20000;
constexpr UINT ID_ATTRIBUTE_FIRST = ID_PEN_SOLID_THIN;
constexpr UINT ID_ATTRIBUTE_LAST = 21999;
constexpr UINT ID_PEN_DASH = 20001;
constexpr UINT ID_PEN_DOT = 20002;
constexpr UINT ID_PEN_DASHDOT = 20003;
constexpr UINT ID_PEN_DASHDOTDOT = 20004;
constexpr UINT ID_PEN_SOLID_MEDIUM = 20005;
constexpr UINT ID_PEN_SOLID_THICK = 20006;
// How a line draws the mark at each end: as lines or filled.
constexpr UINT ID_START_LINE_MARK = 20007;
constexpr UINT ID_START_FILLED_MARK = 20008;
constexpr UINT ID_END_LINE_MARK = 20009;
constexpr UINT ID_END_FILLED_MARK = 20010;
constexpr UINT ID_OBJ_FILL = 20011;
// The text object's frame and font switches; 20016 runs the font dialog.
constexpr UINT ID_TEXT_FRAME = 20012;
constexpr UINT ID_FONT_ITALIC = 20013;
constexpr UINT ID_FONT_BOLD = 20014;
constexpr UINT ID_FONT_UNDERLINE = 20015;
constexpr UINT ID_FONT_DIALOG = 20016;
constexpr UINT ID_OBJ_HIDE_DEFINE = 20017;
// Colour menus: base + i picks palette entry i, base + COLOR_MENU_DIALOG runs the colour dialog,
// base + COLOR_MENU_FROM_OBJECT (internal) takes the colour of the object passed along.
constexpr UINT COLOR_MENU_DIALOG = 16;
constexpr UINT COLOR_MENU_FROM_OBJECT = 17;
constexpr UINT ID_PEN_COLOR_BASE = 21000;
constexpr UINT ID_FILL_COLOR_BASE = 21020;
constexpr UINT ID_TEXT_COLOR_BASE = 21040;
constexpr UINT ID_TEXT_SHADOW_COLOR_BASE = 21140;
constexpr UINT ID_TEXT_OUTLINE_COLOR_BASE = 21180;
constexpr UINT ID_SHADOW_COLOR_BASE = 21280;
// A line's shape switches and its fill mode (1 alternate, 2 winding).
constexpr UINT ID_LINE_CLOSED = 21119;
constexpr UINT ID_FILL_MODE_ALTERNATE = 21120;
constexpr UINT ID_FILL_MODE_WINDING = 21121;
constexpr UINT ID_LINE_BEZIER = 21122;
// The three ways of drawing an arc: open, closed by its chord, closed by its radii (pie).
constexpr UINT ID_ARC_STYLE_ARC = 21116;
constexpr UINT ID_ARC_STYLE_CHORD = 21117;
constexpr UINT ID_ARC_STYLE_PIE = 21118;
// Text shadow sizes 0, 3, 6 and 9; outline sizes 0, 1, 3 and 5.
constexpr UINT ID_TEXT_SHADOW_NONE = 21123;
constexpr UINT ID_TEXT_SHADOW_LARGE = 21126;
constexpr UINT ID_TEXT_OUTLINE_NONE = 21170;
constexpr UINT ID_TEXT_OUTLINE_LARGE = 21173;
// Character spacing: back to 0, two units wider, two units narrower.
constexpr UINT ID_CHAR_SPACING_DEFAULT = 21200;
constexpr UINT ID_CHAR_SPACING_WIDER = 21201;
constexpr UINT ID_CHAR_SPACING_NARROWER = 21202;
// Line-end marks 0 to 15 at the start and at the end of a line.
constexpr UINT ID_ARROW_START_BASE = 21210;
constexpr UINT ID_ARROW_END_BASE = 21226;
// The font and text colour of the object passed along (internal), then the text placements.
constexpr UINT ID_FONT_FROM_OBJECT = 21242;
constexpr UINT ID_TEXT_ALIGN_LEFT = 21243;
constexpr UINT ID_TEXT_ALIGN_RIGHT = 21244;
constexpr UINT ID_TEXT_ALIGN_CENTER = 21245;
constexpr UINT ID_TEXT_ALIGN_TOP = 21246;
constexpr UINT ID_TEXT_ALIGN_BOTTOM = 21247;
constexpr UINT ID_TEXT_ALIGN_VCENTER = 21248;
constexpr UINT ID_RECT_ROUNDED = 21249;
constexpr UINT ID_SET_DEFAULT_ATTRIBUTES = 21250;
constexpr UINT ID_COPY_DEFAULT_ATTRIBUTES = 21251;
// The connector's outline (type = id - ID_CONNECTOR_TRIANGLE) and direction (right, left, up,
// down: direction = id - ID_CONNECTOR_RIGHT).
constexpr UINT ID_CONNECTOR_TRIANGLE = 21252;
constexpr UINT ID_CONNECTOR_PENTAGON = 21253;
constexpr UINT ID_CONNECTOR_NOTCHED = 21254;
constexpr UINT ID_CONNECTOR_RIGHT = 21255;
constexpr UINT ID_CONNECTOR_LEFT = 21256;
constexpr UINT ID_CONNECTOR_UP = 21257;
constexpr UINT ID_CONNECTOR_DOWN = 21258;
// Object shadow depths 0, 6, 10 and 20.
constexpr UINT ID_SHADOW_NONE = 21259;
constexpr UINT ID_SHADOW_SMALL = 21260;
constexpr UINT ID_SHADOW_MEDIUM = 21261;
constexpr UINT ID_SHADOW_LARGE = 21262;
// The side count of a polygon object.
constexpr UINT ID_POLYGON_HEXAGON = 21335;
constexpr UINT ID_POLYGON_OCTAGON = 21336;
// The fill of a subtype-kind arrow's two discriminator labels (a switch).
constexpr UINT ID_REL_SUBTYPE_FILL = 21339;
// A relation arrow's kind (1:N, subtype, substructure, supertype: kind = id - 21339) and its
// main-arrow flag.
constexpr UINT ID_REL_KIND_ONE_TO_MANY = 21340;
constexpr UINT ID_REL_KIND_SUBTYPE = 21341;
constexpr UINT ID_REL_KIND_SUBSTRUCTURE = 21342;
constexpr UINT ID_REL_KIND_SUPERTYPE = 21343;
constexpr UINT ID_REL_MAIN_ARROW = 21344;
// The arrow's labels, each a switch: memo shown, memo filled, item name shown, item value shown.
constexpr UINT ID_REL_SHOW_MEMO = 21345;
constexpr UINT ID_REL_MEMO_FILL = 21346;
constexpr UINT ID_REL_SHOW_ITEM_NAME = 21347;
constexpr UINT ID_REL_SHOW_ITEM_VALUE = 21348;
// The switches of a 1:N arrow's NULL option and of a subtype-kind arrow's definite flag, then the
// 1:N cardinalities (cardinality = id - 21369).
constexpr UINT ID_REL_NULL_ALLOWED = 21368;
constexpr UINT ID_REL_DEFINITE = 21369;
constexpr UINT ID_REL_CARDINALITY_ZERO_OR_MORE = 21370;
constexpr UINT ID_REL_CARDINALITY_ONE_OR_MORE = 21371;
constexpr UINT ID_REL_CARDINALITY_ZERO_OR_ONE = 21372;
constexpr UINT ID_REL_CARDINALITY_CONSTANT = 21373;
// The end marks that the arrow menu's arrowhead entries set: the large and the small arrowhead.
constexpr UINT ID_REL_LARGE_ARROWHEAD = ID_ARROW_END_BASE + 1;
constexpr UINT ID_REL_SMALL_ARROWHEAD = ID_ARROW_END_BASE + 5;
// A conceptual file's I/O-number label shown or hidden.
constexpr UINT ID_FILE_SHOW_NUM_IO = 21353;
// The commands that change nothing in the document (allowed on a read-only one).
constexpr UINT ID_READONLY_SAFE_FIRST = 21354;
constexpr UINT ID_READONLY_SAFE_LAST = 21356;
// The implementation group's name label: shown or hidden, filled or not.
constexpr UINT ID_IMPL_SHOW_NAME = 21357;
constexpr UINT ID_IMPL_NAME_FILL = 21358;
// The roles of a circular connector in its pair: start and end.
constexpr UINT ID_CONNECTOR_PAIR_START = 21359;
constexpr UINT ID_CONNECTOR_PAIR_END = 21360;
// A conceptual file as a physical target; its physical implementation merged into its parent file's.
constexpr UINT ID_FILE_PHYSICAL_TARGET = 21361;
constexpr UINT ID_FILE_MERGE_INTO_PARENT = 21362;
// A conceptual file's own tablespaces and its physical additional data definition file; each
// dialog's result copied from the file passed along to the other selected files.
constexpr UINT ID_FILE_TABLESPACE_DIALOG = 21363;
constexpr UINT ID_FILE_TABLESPACE_COPY = 21364;
constexpr UINT ID_FILE_DEFINITION_FILE_DIALOG = 21365;
constexpr UINT ID_FILE_DEFINITION_FILE_COPY = 21366;
// The fill of a conceptual file's I/O-number label.
constexpr UINT ID_FILE_NUM_IO_FILL = 21367;
// The symbol menus: file-type mark, data-media kind and process kind added to the base.
constexpr UINT ID_FILE_TYPE_MARK_BASE = 21700;
constexpr UINT ID_DATA_MEDIA_BASE = 21800;
constexpr UINT ID_FLOW_MEDIA_BASE = 21900;
// The shape operations of a line come first.
constexpr UINT ID_OP_LINE_ADJUST_POINTS = 22000;
constexpr UINT ID_OPERATION_FIRST = ID_OP_LINE_ADJUST_POINTS;
constexpr UINT ID_OPERATION_LAST = 22999;
constexpr UINT ID_OP_LINE_VERTICAL_CRANK = 22001;
constexpr UINT ID_OP_LINE_HORIZONTAL_CRANK = 22002;
constexpr UINT ID_OP_LINE_STRAIGHTEN = 22003;
constexpr UINT ID_OBJ_SQUARE_BY_HEIGHT = 22004;
constexpr UINT ID_OBJ_SQUARE_BY_WIDTH = 22005;
constexpr UINT ID_OBJ_SQUARE_BY_LONGER = 22006;
constexpr UINT ID_OBJ_SQUARE_BY_SHORTER = 22007;
constexpr UINT ID_OBJ_SNAP_TO_GRID = 22008;
constexpr UINT ID_OBJ_FILE_DIALOG = 22009;
constexpr UINT ID_OP_LINE_LIGHTNING = 22015;
constexpr UINT ID_OP_LINE_SMOOTH = 22016;
constexpr UINT ID_OP_LINE_BREAK = 22017;
// The pick-an-object operations wait for a click on the target; each has the operation that a
// click on empty paper runs instead.
constexpr UINT ID_OBJ_PICK_START_CONNECTION = 22019;
constexpr UINT ID_OBJ_PICK_END_CONNECTION = 22020;
constexpr UINT ID_OBJ_CLEAR_START_CONNECTION = 22021;
constexpr UINT ID_OBJ_CLEAR_END_CONNECTION = 22022;
constexpr UINT ID_OBJ_STANDARD_SIZE = 22023;
constexpr UINT ID_OP_LINE_RIGHT_ANGLE = 22024;
// The dialog of a conceptual file's data items.
constexpr UINT ID_OBJ_DATA_ITEM_DIALOG = 22030;
constexpr UINT ID_OBJ_PICK_LINK = 22031;
constexpr UINT ID_OBJ_CLEAR_LINK = 22032;
constexpr UINT ID_OBJ_PICK_CLONE_SOURCE = 22033;
constexpr UINT ID_OBJ_CANCEL_CLONE_SOURCE = 22034;
constexpr UINT ID_OBJ_CREATE_CLONE = 22035;
constexpr UINT ID_OBJ_CLEAR_NUMBER = 22040;
constexpr UINT ID_OBJ_PICK_CONNECTOR = 22043;
constexpr UINT ID_OBJ_CANCEL_CONNECTOR = 22044;
constexpr UINT ID_OBJ_DEFAULT_SIZE = 22045;
// The CREATE TABLE script of the selected conceptual files, which the view writes itself.
constexpr UINT ID_OBJ_CREATE_TABLE = 22047;
// The settings dialogs of relation arrows: on the selection, and on the current arrow only.
constexpr UINT ID_OBJ_SUBTYPE_DIALOG = 22048;
constexpr UINT ID_OBJ_SUBTYPE_DIALOG_CURRENT = 22049;
// The other selected arrows take over the current arrow's settings (its object id comes along).
constexpr UINT ID_OBJ_COPY_SUBTYPE_SETTINGS = 22050;
constexpr UINT ID_OBJ_ONE_TO_MANY_DIALOG = 22051;
constexpr UINT ID_OBJ_ONE_TO_MANY_DIALOG_CURRENT = 22052;
constexpr UINT ID_OBJ_COPY_ONE_TO_MANY_SETTINGS = 22053;
constexpr UINT ID_OP_LINE_SELF_REFERENCE = 22054;
constexpr UINT ID_OP_LINE_REVERSE_RIGHT_ANGLE = 22055;

// The colour-dialog entry of any colour menu of the system.
constexpr BOOL IsColorDialogCommand(UINT id)
{
    for (UINT base : {ID_PEN_COLOR_BASE, ID_FILL_COLOR_BASE, ID_TEXT_COLOR_BASE, ID_TEXT_SHADOW_COLOR_BASE,
                      ID_TEXT_OUTLINE_COLOR_BASE, ID_SHADOW_COLOR_BASE}) {
        if (id == base + COLOR_MENU_DIALOG)
            return TRUE;
    }
    return FALSE;
}

// For a command whose dialog runs on one object, the command that hands the choice on to the
// other selected objects (with the first object as the source); 0 for every other command.
constexpr UINT DialogCopyCommand(UINT id)
{
    if (IsColorDialogCommand(id))
        return id + 1;
    switch (id) {
    case ID_FONT_DIALOG: return ID_FONT_FROM_OBJECT;
    case ID_FILE_TABLESPACE_DIALOG: return ID_FILE_TABLESPACE_COPY;
    case ID_FILE_DEFINITION_FILE_DIALOG: return ID_FILE_DEFINITION_FILE_COPY;
    default: return 0;
    }
}

// The attribute commands that leave the document alone and so run on a read-only document too.
constexpr BOOL IsReadOnlySafeAttributeCommand(UINT id)
{
    return id == ID_SET_DEFAULT_ATTRIBUTES || (id >= ID_READONLY_SAFE_FIRST && id <= ID_READONLY_SAFE_LAST);
}

// The operation commands that only open a dialog, which shows a read-only document without letting
// it change, and so run on a read-only document too.
constexpr BOOL IsReadOnlySafeOperationCommand(UINT id)
{
    switch (id) {
    case ID_OBJ_FILE_DIALOG:
    case ID_OBJ_DATA_ITEM_DIALOG:
    case ID_OBJ_SUBTYPE_DIALOG:
    case ID_OBJ_SUBTYPE_DIALOG_CURRENT:
    case ID_OBJ_ONE_TO_MANY_DIALOG:
    case ID_OBJ_ONE_TO_MANY_DIALOG_CURRENT: return TRUE;
    default: return FALSE;
    }
}
