// The records of the host's gauge interface, laid out exactly as the host reads and writes
// them: every field in its place, 4-byte packing, pointer-sized handles. On 32-bit targets
// every size and offset is checked at compile time against the host's published layout.
#pragma once

#include <cstddef>

#include "platform/win32_base.h"

#if defined(_WIN32) && defined(__i386__)
#define FSAPI __stdcall
#else
#define FSAPI
#endif

#ifdef _WIN32
#define VAREK_EXPORT __declspec(dllexport)
#else
#define VAREK_EXPORT __attribute__((visibility("default")))
#endif

// ---- Basic types -------------------------------------------------------------------------

typedef int ID;
typedef int ENUM;
typedef int FLAGS;
typedef int SINT32;
typedef int INDX;
typedef unsigned int ID32;
typedef unsigned int VAR32;
typedef unsigned int UINT32;
typedef unsigned int FLAGS32;
typedef unsigned int ENUM32;
typedef unsigned int BOOL32;
typedef unsigned int ERR;
typedef unsigned short UINT16;
typedef short SINT16;
typedef unsigned char UINT8;
typedef signed char SINT8;
typedef double FLOAT64;
typedef float FLOAT32;
typedef SINT32 PIXEL;
typedef void* PVOID;
typedef const char* PCSTRINGZ;
typedef char* PSTRINGZ;

#pragma pack(push, 4)

struct PIXPOINT {
    PIXEL x;
    PIXEL y;
};

struct PIXBOX {
    PIXEL x;
    PIXEL y;
    PIXEL size_x;
    PIXEL size_y;
};

// ---- Variables -----------------------------------------------------------------------------

typedef SINT32 GAUGE_TOKEN;
inline constexpr GAUGE_TOKEN MODULE_VAR_NONE = 0;

enum VAR_TYPE : int {
    VAR_TYPE_NONE = 0,
    TYPE_BOOL32 = 17,
    TYPE_UINT32 = 19,
    TYPE_SINT32 = 20,
    TYPE_FLOAT64 = 33,
    TYPE_PVOID = 38,
    VAR_TYPE_MAX = 42,
};

union UNIVERSAL_VAR {
    FLOAT64 n;
    BOOL b;
    ENUM e;
    FLAGS f;
    PVOID p;
    VAR32 d;
    VAR32 o;
};

struct MODULE_VAR {
    GAUGE_TOKEN id;
    PVOID var_ptr;
    VAR_TYPE var_type;
    UNIVERSAL_VAR var_value;
    UNIVERSAL_VAR var_old;
};
typedef MODULE_VAR* PMODULE_VAR;

// ---- Scale tables and failures --------------------------------------------------------------

struct NONLINEARITY {
    PIXPOINT pt;
    FLOAT64 value;
    FLOAT64 degrees;
};
typedef NONLINEARITY* PNONLINEARITY;

enum FAILURE_KEY : int {
    FAIL_NONE = 0,
    OLD_FAIL_SYSTEM_ELECTRICAL = 1,
    FAIL_SYSTEM_ENGINE = 2,
    FAIL_SYSTEM_PITOT_STATIC = 3,
    FAIL_SYSTEM_VACUUM = 4,
    FAIL_GAUGE_ADF = 5,
    FAIL_GAUGE_AIRSPEED = 6,
    FAIL_GAUGE_ALTIMETER = 7,
    FAIL_GAUGE_ATTITUDE = 8,
    FAIL_GAUGE_COMMUNICATIONS = 9,
    FAIL_GAUGE_FUEL_INDICATORS = 10,
    FAIL_GAUGE_GYRO_HEADING = 11,
    FAIL_GAUGE_MAGNETIC_COMPASS = 12,
    OLD_FAIL_GAUGE_NAVIGATION = 13,
    FAIL_GAUGE_NAVIGATION_VOR1 = 14,
    FAIL_GAUGE_NAVIGATION_VOR2 = 15,
    OLD_FAIL_GAUGE_NAVIGATION_BOTH = 16,
    FAIL_GAUGE_TRANSPONDER = 17,
    FAIL_GAUGE_TURN_COORDINATOR = 18,
    FAIL_GAUGE_VERTICAL_SPEED = 19,
    FAIL_SYSTEM_ELECTRICAL_PANELS = 20,
    FAIL_SYSTEM_ELECTRICAL_AVIONICS = 21,
    FAIL_GAUGE_COMMUNICATIONS_COM2 = 22,
    FAIL_KEY_MAX = 23,
};

enum FAILURE_ACTION : int {
    FAIL_ACTION_NONE = 0,
    FAIL_ACTION_FREEZE = 1,
    FAIL_ACTION_ZERO = 2,
    FAIL_ACTION_NO_DRAW = 3,
    FAIL_ACTION_COVER = 4,
    FAIL_ACTION_MAX = 5,
};

struct FAILURE_RECORD {
    FAILURE_KEY key;
    FAILURE_ACTION action;
    PVOID reserved;
};
typedef FAILURE_RECORD* PFAILURE_RECORD;

// ---- Images ----------------------------------------------------------------------------------

struct IMAGE;  // host-owned, reached only through pointers
typedef IMAGE* PIMAGE;

struct IMAGE_SET {
    PIMAGE final;
    PIMAGE source;
    PIMAGE reserved1;
    PIMAGE reserved2;
};
typedef IMAGE_SET* PIMAGE_SET;

inline constexpr FLAGS IMAGE_USE_TRANSPARENCY = 0x00000001;
inline constexpr FLAGS IMAGE_USE_ERASE = 0x00000002;
inline constexpr FLAGS IMAGE_USE_BRIGHT = 0x00000004;
inline constexpr FLAGS IMAGE_BILINEAR_COLOR = 0x00000080;
inline constexpr FLAGS IMAGE_USE_LUMINOUS = 0x00004000;
inline constexpr FLAGS IMAGE_HIDDEN_TREE = 0x02000000;
inline constexpr FLAGS IMAGE_HIDDEN = 0x40000000;
inline constexpr FLAGS IMAGE_ON_SCREEN = static_cast<FLAGS>(0x80000000u);

inline constexpr FLAGS ASI_ALT_MANUALLY_TUNABLE = 0x1;
inline constexpr FLAGS ASI_HEADING_MANUALLY_TUNABLE = 0x2;

// ---- Elements --------------------------------------------------------------------------------

struct GAUGEHDR;
typedef GAUGEHDR* PGAUGEHDR;

enum ELEMENT_TYPE_ENUM : int {
    ELEMENT_TYPE_STATIC_IMAGE = 0,
    ELEMENT_TYPE_NEEDLE = 1,
    ELEMENT_TYPE_STRING = 2,
    ELEMENT_TYPE_SLIDER = 3,
    ELEMENT_TYPE_ICON = 4,
    ELEMENT_TYPE_MOVING_IMAGE = 5,
    ELEMENT_TYPE_SPRITE = 6,
};

struct ELEMENT_HEADER {
    ELEMENT_TYPE_ENUM element_type;
    ID resource_id;
    PIXPOINT position;
    PIXPOINT previous_position;
    PIXPOINT ofs;
    PGAUGEHDR gauge_header;
    ELEMENT_HEADER* previous_element;
    ELEMENT_HEADER** next_element;
    PFAILURE_RECORD failure_systems;
    FLAGS image_flags;
    FLAGS aircraft_special_instrumentation;
    FLAGS reserved;
};
typedef ELEMENT_HEADER* PELEMENT_HEADER;

struct ELEMENT_STATIC_IMAGE;
struct ELEMENT_NEEDLE;
struct ELEMENT_STRING;
struct ELEMENT_SLIDER;
struct ELEMENT_ICON;
struct ELEMENT_MOVING_IMAGE;
struct ELEMENT_SPRITE;

typedef FLOAT64(FSAPI* PMODULE_VAR_CB)(PMODULE_VAR);
typedef FLOAT64(FSAPI* PFN_FLOAT64)(FLOAT64);
typedef FLOAT64(FSAPI* PNEEDLE_UPDATE_CALLBACK)(ELEMENT_NEEDLE*);
typedef FLOAT64(FSAPI* PSTRING_UPDATE_CALLBACK)(ELEMENT_STRING*);
typedef FLOAT64(FSAPI* PSLIDER_UPDATE_CALLBACK)(ELEMENT_SLIDER*);
typedef FLOAT64(FSAPI* PICON_UPDATE_CALLBACK)(ELEMENT_ICON*);
typedef FLOAT64(FSAPI* PMOVING_IMAGE_UPDATE_CALLBACK)(ELEMENT_MOVING_IMAGE*);
typedef FLOAT64(FSAPI* PSPRITE_UPDATE_CALLBACK)(ELEMENT_SPRITE*);

// Every element record begins with the common header; `&element.header` is the element's
// ELEMENT_HEADER*.
struct ELEMENT_STATIC_IMAGE {
    ELEMENT_HEADER header;
    IMAGE_SET image_data;
    PIMAGE save_buffer;
    HDC hdc;
    HBITMAP hbmp;
    HBITMAP reserved1;
    PIMAGE reserved2;
};

struct ELEMENT_NEEDLE {
    ELEMENT_HEADER header;
    MODULE_VAR source_var;
    PMODULE_VAR_CB source_var_cb;
    PFN_FLOAT64 display_value_fn;
    PFN_FLOAT64 angle_fn;
    PFN_FLOAT64 lag_fn;
    PIXPOINT reference;
    PNONLINEARITY nonlinearity_table;
    UINT32 nonlinearity_table_size;
    SINT32 max_degrees_per_tick;
    FLOAT64 readout_goal;
    FLOAT64 theta_goal;
    FLOAT64 theta;
    PIXPOINT reference_old;
    PIXPOINT o0;
    PIXPOINT o1;
    PIXPOINT o2;
    PIXPOINT o3;
    IMAGE_SET needle_data;
    PIMAGE texture_data;
    UINT32 texture_handle;
    PIMAGE save_buffer;
    PIXPOINT save_position;
    PNEEDLE_UPDATE_CALLBACK update_cb;
    PIXPOINT save_size;
};

struct SEQ_REC {
    SINT32 seq_id;
    SINT32 sel_str;
    SINT32 sel_end;
};
typedef SEQ_REC* PSEQ_REC;

inline constexpr std::size_t FONT_NAME_SIZE = 32;

struct ELEMENT_STRING {
    ELEMENT_HEADER header;
    MODULE_VAR source_var[3];
    FLOAT64 save_var[3];
    PMODULE_VAR_CB source_var_cb[3];
    PFN_FLOAT64 source_fn;
    PSTRINGZ string;
    PSTRINGZ string_old;
    PIXPOINT img_size;
    PIMAGE string_data;
    PIMAGE save_buffer;
    COLORREF fg_color;
    COLORREF bg_color;
    COLORREF hilite_color;
    HDC hdc;
    HFONT hfont;
    HFONT reserved1;
    HBITMAP hbmp;
    HBITMAP reserved2;
    HBRUSH hbrush;
    HBRUSH reserved3;
    char font_name[FONT_NAME_SIZE];
    SINT32 font_weight;
    UINT8 font_charset;
    UINT32 draw_text_flags;
    UINT16 max_string_length;
    UINT16 char_width;
    SINT16 sel_str;
    SINT16 sel_end;
    PSEQ_REC seq;
    SINT32 save_global_seq;
    SINT32 char_height;
    PSTRING_UPDATE_CALLBACK update_cb;
    BOOL use_user_color;
    COLORREF user_color;
};

struct ELEMENT_SLIDER {
    ELEMENT_HEADER header;
    MODULE_VAR source_var_x;
    PMODULE_VAR_CB source_var_x_cb;
    FLOAT64 scale_x;
    PFN_FLOAT64 lag_fn_x;
    MODULE_VAR source_var_y;
    PMODULE_VAR_CB source_var_y_cb;
    FLOAT64 scale_y;
    PFN_FLOAT64 lag_fn_y;
    IMAGE_SET slider_data;
    PIMAGE save_buffer;
    PSLIDER_UPDATE_CALLBACK update_x_cb;
    PSLIDER_UPDATE_CALLBACK update_y_cb;
    FLOAT64 previous_x;
    FLOAT64 previous_y;
};

inline constexpr SINT32 ICON_SWITCH_TYPE_SET_CUR_ICON = 0;
inline constexpr SINT32 ICON_SWITCH_TYPE_SET_CUR_USING_RANGE = 1;
inline constexpr SINT32 ICON_SWITCH_TYPE_STEP_TO = 3;
inline constexpr SINT32 ICON_SWITCH_TYPE_STEP_TO_USING_RANGE = 4;

struct ELEMENT_ICON {
    ELEMENT_HEADER header;
    MODULE_VAR source_var;
    PMODULE_VAR_CB source_var_cb;
    SINT32 switch_type;
    SINT32 switch_count;
    FLOAT64 scale;
    SINT32 offset;
    SINT32 num_icons;
    SINT32 cur_icon;
    SINT32 dst_icon;
    PIMAGE_SET picon_data;
    PIMAGE save_buffer;
    PICON_UPDATE_CALLBACK update_cb;
    ID reserved1;
};

struct ELEMENT_MOVING_IMAGE {
    ELEMENT_HEADER header;
    MODULE_VAR source_var_x;
    PMODULE_VAR_CB source_var_x_cb;
    FLOAT64 min_x;
    FLOAT64 max_x;
    PFN_FLOAT64 lag_x;
    MODULE_VAR source_var_y;
    PMODULE_VAR_CB source_var_y_cb;
    FLOAT64 min_y;
    FLOAT64 max_y;
    PFN_FLOAT64 lag_y;
    FLOAT64 scale_x;
    FLOAT64 scale_y;
    FLOAT64 offset_x;
    FLOAT64 offset_y;
    PIXPOINT save_position;
    IMAGE_SET image_data;
    IMAGE_SET local_mask_data;
    PIMAGE mask_data;
    PIMAGE save_buffer;
    PMOVING_IMAGE_UPDATE_CALLBACK update_x_cb;
    PMOVING_IMAGE_UPDATE_CALLBACK update_y_cb;
    FLOAT64 previous_x;
    FLOAT64 previous_y;
};

struct ELEMENT_SPRITE {
    ELEMENT_HEADER header;
    MODULE_VAR source_var_x;
    PMODULE_VAR_CB source_var_x_cb;
    FLOAT64 scale_x;
    MODULE_VAR source_var_y;
    PMODULE_VAR_CB source_var_y_cb;
    FLOAT64 scale_y;
    MODULE_VAR source_var_0;
    PMODULE_VAR_CB source_var_0_cb;
    FLOAT64 scale_0;
    FLOAT32 texture_scale_x;
    FLOAT32 texture_scale_y;
    PIXPOINT reference;
    PIXPOINT reference_old;
    PIXPOINT o0;
    PIXPOINT o1;
    PIXPOINT o2;
    PIXPOINT o3;
    PIXPOINT os0;
    PIXPOINT os1;
    PIXPOINT os2;
    PIXPOINT os3;
    IMAGE_SET sprite_data;
    PIMAGE texture_data;
    UINT32 texture_handle;
    IMAGE_SET local_mask_data;
    PIMAGE mask_data;
    PIMAGE save_buffer;
    PSPRITE_UPDATE_CALLBACK update_x_cb;
    PSPRITE_UPDATE_CALLBACK update_y_cb;
    PSPRITE_UPDATE_CALLBACK update_0_cb;
    FLOAT64 previous_x;
    FLOAT64 previous_y;
    FLOAT64 previous_0;
};

// ---- Mouse -----------------------------------------------------------------------------------

enum MOUSE_RECT_TYPE : int {
    MOUSE_RECT_EOL = 0,
    MOUSE_RECT_PARENT = 1,
    MOUSE_RECT_CHILD = 2,
    MOUSE_RECT_END_PARENT = 3,
    MOUSE_RECT_USER = 4,
};

enum CURSOR_TYPE : int {
    CURSOR_NONE = -1,
    CURSOR_NORMAL = 0,
    CURSOR_UPARROW = 1,
    CURSOR_DOWNARROW = 2,
    CURSOR_LEFTARROW = 3,
    CURSOR_RIGHTARROW = 4,
    CURSOR_HAND = 5,
    CURSOR_CROSSHAIR = 6,
    CURSOR_GRAB = 7,
};

inline constexpr ID HELP_NONE = 0;
inline constexpr FLAGS MOUSE_NONE = 0;

inline constexpr FLAGS32 MOUSE_RIGHTSINGLE = 0x80000000u;
inline constexpr FLAGS32 MOUSE_MIDDLESINGLE = 0x40000000u;
inline constexpr FLAGS32 MOUSE_LEFTSINGLE = 0x20000000u;
inline constexpr FLAGS32 MOUSE_RIGHTDOUBLE = 0x10000000u;
inline constexpr FLAGS32 MOUSE_MIDDLEDOUBLE = 0x08000000u;
inline constexpr FLAGS32 MOUSE_LEFTDOUBLE = 0x04000000u;
inline constexpr FLAGS32 MOUSE_RIGHTDRAG = 0x02000000u;
inline constexpr FLAGS32 MOUSE_MIDDLEDRAG = 0x01000000u;
inline constexpr FLAGS32 MOUSE_LEFTDRAG = 0x00800000u;
inline constexpr FLAGS32 MOUSE_MOVE = 0x00400000u;
inline constexpr FLAGS32 MOUSE_DOWN_REPEAT = 0x00200000u;
inline constexpr FLAGS32 MOUSE_RIGHTRELEASE = 0x00080000u;
inline constexpr FLAGS32 MOUSE_MIDDLERELEASE = 0x00040000u;
inline constexpr FLAGS32 MOUSE_LEFTRELEASE = 0x00020000u;

typedef BOOL(FSAPI* PMOUSE_FUNCTION)(PIXPOINT* click, FLAGS32 mouse_flags);

struct MOUSERECT {
    MOUSE_RECT_TYPE rect_type;
    PIXBOX relative_box;
    CURSOR_TYPE cursor;
    ID help_id;
    FLAGS mouse_flags;
    ID event_id;
    // A clickable rectangle holds its mouse function here; a tooltip rectangle (MOUSE_RECT_USER)
    // holds a pointer to its tooltip text in the same slot.
    union {
        PMOUSE_FUNCTION mouse_function;
        PCSTRINGZ tooltip_text;
    };
    PVOID api_data;
};
typedef MOUSERECT* PMOUSERECT;

// What the host passes to a mouse function: the first argument points at this record.
struct MOUSECALLBACK {
    PIXPOINT relative_point;
    PVOID user_data;  // the clicked gauge's GAUGEHDR*
    PMOUSERECT mouse;
    PIXPOINT screen_point;
    PVOID reserved;
};

// ---- Gauge header ----------------------------------------------------------------------------

typedef void(FSAPI* PGAUGE_CALLBACK)(PGAUGEHDR pgauge, SINT32 service_id, UINT32 extra_data);
typedef void(FSAPI* QUERY_ROUTINE)(void);
typedef void(FSAPI* INSTALL_ROUTINE)(PVOID resource_file_handle);
typedef void(FSAPI* INITIALIZE_ROUTINE)(void);
typedef void(FSAPI* UPDATE_ROUTINE)(void);
typedef void(FSAPI* GENERATE_ROUTINE)(UINT32 phase);
typedef void(FSAPI* DRAW_ROUTINE)(void);
typedef void(FSAPI* KILL_ROUTINE)(void);

inline constexpr UINT32 GAUGE_HEADER_VERSION_FS800 = 800;
inline constexpr UINT32 GAUGE_HEADER_VERSION_FS900 = 900;

struct GAUGEHDR {
    UINT32 gauge_header_version;
    PCSTRINGZ gauge_name;
    PELEMENT_HEADER* elements_list;
    QUERY_ROUTINE query_routine;
    INSTALL_ROUTINE install_routine;
    INITIALIZE_ROUTINE initialize_routine;
    UPDATE_ROUTINE update_routine;
    GENERATE_ROUTINE generate_routine;
    DRAW_ROUTINE draw_routine;
    KILL_ROUTINE kill_routine;
    PVOID reserved1;
    UINT32 size_x_mm;
    UINT32 size_y_mm;
    FLOAT32 x_adjust;
    FLOAT32 y_adjust;
    PVOID reserved2;
    PVOID reserved3;
    PIXPOINT position;
    PVOID reserved4;
    PMOUSERECT mouse_rect;
    PGAUGE_CALLBACK gauge_callback;
    UINT32 user_data;
    PSTRINGZ parameters;
    PCSTRINGZ usage;
    SINT32 reserved5;
    PVOID reserved6;
    PIXPOINT size;
    FLOAT64 user_area[10];
    FLAGS32 flags;
    PVOID reserved7;
};

// Gauge service ids passed to the gauge callback.
enum PANEL_SERVICE : SINT32 {
    PANEL_SERVICE_PRE_QUERY = 0,
    PANEL_SERVICE_POST_QUERY = 1,
    PANEL_SERVICE_PRE_INSTALL = 2,
    PANEL_SERVICE_POST_INSTALL = 3,
    PANEL_SERVICE_PRE_INITIALIZE = 4,
    PANEL_SERVICE_POST_INITIALIZE = 5,
    PANEL_SERVICE_PRE_UPDATE = 6,
    PANEL_SERVICE_POST_UPDATE = 7,
    PANEL_SERVICE_PRE_GENERATE = 8,
    PANEL_SERVICE_POST_GENERATE = 9,
    PANEL_SERVICE_PRE_DRAW = 10,
    PANEL_SERVICE_POST_DRAW = 11,
    PANEL_SERVICE_PRE_KILL = 12,
    PANEL_SERVICE_POST_KILL = 13,
    PANEL_SERVICE_CONNECT_TO_WINDOW = 14,
    PANEL_SERVICE_DISCONNECT = 15,
};

// ---- Linkage, import table and the host's service table -------------------------------------

typedef void(FSAPI* MODULE_ROUTINE)(void);

inline constexpr ID GAUGE_MODULE_ID = 0x13;
inline constexpr UINT32 FS9LINK_VERSION = 0x0900;
inline constexpr ID PANELS_SERVICE_TABLE_ID = 0x0F;

// The host's view of `Linkage`: the common prefix followed by a null-terminated list of gauge
// headers of no fixed length.
struct GAUGESLINKAGE {
    ID ModuleID;
    MODULE_ROUTINE ModuleInit;
    MODULE_ROUTINE ModuleDeinit;
    FLAGS32 ModuleFlags;
    UINT32 ModulePriority;
    UINT32 ModuleVersion;
    PGAUGEHDR gauge_header_ptr[];
};

struct PANELS;

struct GAUGESIMPORT {
    struct {
        ID fnID;
        PANELS* fnptr;
    } PANELSentry;
    struct {
        ID fnID;
        PVOID fnptr;
    } nullentry;
};

typedef void(FSAPI* PANELS_RESERVED)(void);

// The host's panel-service table, declared up to format_calculator_string (index 64); FS2004
// modules rely on nothing beyond it.
struct PANELS {
    ID ModuleID;
    MODULE_ROUTINE ModuleInit;
    MODULE_ROUTINE ModuleDeinit;
    FLAGS32 ModuleFlags;
    UINT32 ModulePriority;
    UINT32 ModuleVersion;

    PANELS_RESERVED reserved1;  // 0
    PANELS_RESERVED reserved2;
    PANELS_RESERVED reserved3;
    PANELS_RESERVED reserved4;
    PANELS_RESERVED reserved5;
    BOOL(FSAPI* is_panel_window_visible_ident)(UINT32 panel_id);  // 5
    ENUM(FSAPI* tooltip_units_getset)(int action, ENUM type);
    PANELS_RESERVED reserved7;  // 7
    PANELS_RESERVED reserved8;
    PANELS_RESERVED reserved9;
    PANELS_RESERVED reserved10;
    PANELS_RESERVED reserved11;
    PANELS_RESERVED reserved12;
    PANELS_RESERVED reserved13;
    PANELS_RESERVED reserved14;
    PANELS_RESERVED reserved15;
    PANELS_RESERVED reserved16;
    PANELS_RESERVED reserved17;                                // 17
    void(FSAPI* element_list_query)(PELEMENT_HEADER element);  // 18
    void(FSAPI* element_list_install)(PELEMENT_HEADER element, PVOID resource);
    void(FSAPI* element_list_initialize)(PELEMENT_HEADER element);
    void(FSAPI* element_list_update)(PELEMENT_HEADER element);
    void(FSAPI* element_list_generate)(PELEMENT_HEADER element, UINT32 phase);
    void(FSAPI* element_list_plot)(PELEMENT_HEADER element);
    void(FSAPI* element_list_erase)(PELEMENT_HEADER element);
    void(FSAPI* element_list_kill)(PELEMENT_HEADER element);
    void(FSAPI* mouse_list_install)(PMOUSERECT rect, PGAUGEHDR gauge, PIXPOINT* size);  // 26
    void(FSAPI* mouse_list_register)(PMOUSERECT rect, PGAUGEHDR gauge);
    void(FSAPI* mouse_list_unregister)(PMOUSERECT rect, PGAUGEHDR gauge);
    BOOL(FSAPI* panel_window_toggle)(UINT32 panel_id);           // 29
    ERR(FSAPI* trigger_key_event)(ID32 event_id, UINT32 value);  // 30
    void(FSAPI* register_var_by_name)(PVOID var, VAR_TYPE var_type, PSTRINGZ name);
    void(FSAPI* initialize_var)(PMODULE_VAR module_var);
    void(FSAPI* initialize_var_by_name)(PMODULE_VAR module_var, PSTRINGZ name);
    void(FSAPI* lookup_var)(PMODULE_VAR module_var);  // 34
    void(FSAPI* unregister_var_by_name)(PSTRINGZ name);
    void(FSAPI* unregister_all_named_vars)(void);
    PANELS_RESERVED reserved18;  // 37
    PANELS_RESERVED reserved19;
    BOOL(FSAPI* panel_window_close_ident)(UINT32 panel_id);  // 39
    BOOL(FSAPI* panel_window_open_ident)(UINT32 panel_id);
    void(FSAPI* panel_window_toggle_hud_color)(void);
    void(FSAPI* panel_window_toggle_hud_units)(void);
    void(FSAPI* radio_stack_popup)(void);
    void(FSAPI* radio_stack_autoclose)(void);
    ID(FSAPI* check_named_variable)(PCSTRINGZ name);  // 45
    ID(FSAPI* register_named_variable)(PCSTRINGZ name);
    FLOAT64(FSAPI* get_named_variable_value)(ID var);
    FLOAT64(FSAPI* get_named_variable_typed_value)(ID var, ENUM units);
    void(FSAPI* set_named_variable_value)(ID var, FLOAT64 value);
    void(FSAPI* set_named_variable_typed_value)(ID var, FLOAT64 value, ENUM units);
    PANELS_RESERVED reserved26;  // 51
    PANELS_RESERVED reserved27;
    PCSTRINGZ(FSAPI* get_name_of_named_variable)(ID var);  // 53
    PANELS_RESERVED reserved29;
    PCSTRINGZ(FSAPI* panel_resource_string_get)(ID32 id);  // 55
    BOOL(FSAPI* panel_window_toggle_menu_id)(ID32 menu_id);
    PANELS_RESERVED reserved30;  // 57
    PANELS_RESERVED reserved31;
    void(FSAPI* element_use_color)(PELEMENT_HEADER element, BOOL override, UINT32 color);  // 59
    void(FSAPI* set_gauge_flags)(PCSTRINGZ name, FLAGS32 newflags);
    FLAGS32(FSAPI* get_gauge_flags)(PCSTRINGZ name);
    BOOL(FSAPI* gauge_calculator_code_precompile)
    (PCSTRINGZ* compiled, UINT32* compiled_size, PCSTRINGZ source);
    BOOL(FSAPI* execute_calculator_code)
    (PCSTRINGZ code, FLOAT64* fvalue, SINT32* ivalue,
     PCSTRINGZ* svalue);  // 63
    BOOL(FSAPI* format_calculator_string)
    (PSTRINGZ result, UINT32 resultsize,
     PCSTRINGZ format);  // 64
};

#pragma pack(pop)

// ---- Layout checks on the host's own 32-bit target -------------------------------------------

#if defined(__i386__) || defined(_M_IX86)

#define VAREK_ASSERT_FIELD(record, field, offset) \
    static_assert(offsetof(record, field) == (offset), #record "." #field " is misplaced")

static_assert(sizeof(PIXPOINT) == 8);
static_assert(sizeof(PIXBOX) == 16);
static_assert(sizeof(UNIVERSAL_VAR) == 8);

static_assert(sizeof(MODULE_VAR) == 28);
VAREK_ASSERT_FIELD(MODULE_VAR, var_ptr, 4);
VAREK_ASSERT_FIELD(MODULE_VAR, var_type, 8);
VAREK_ASSERT_FIELD(MODULE_VAR, var_value, 12);
VAREK_ASSERT_FIELD(MODULE_VAR, var_old, 20);

static_assert(sizeof(NONLINEARITY) == 24);
VAREK_ASSERT_FIELD(NONLINEARITY, value, 8);
VAREK_ASSERT_FIELD(NONLINEARITY, degrees, 16);

static_assert(sizeof(FAILURE_RECORD) == 12);
VAREK_ASSERT_FIELD(FAILURE_RECORD, action, 4);
VAREK_ASSERT_FIELD(FAILURE_RECORD, reserved, 8);

static_assert(sizeof(IMAGE_SET) == 16);

static_assert(sizeof(ELEMENT_HEADER) == 60);
VAREK_ASSERT_FIELD(ELEMENT_HEADER, resource_id, 4);
VAREK_ASSERT_FIELD(ELEMENT_HEADER, position, 8);
VAREK_ASSERT_FIELD(ELEMENT_HEADER, previous_position, 16);
VAREK_ASSERT_FIELD(ELEMENT_HEADER, ofs, 24);
VAREK_ASSERT_FIELD(ELEMENT_HEADER, gauge_header, 32);
VAREK_ASSERT_FIELD(ELEMENT_HEADER, previous_element, 36);
VAREK_ASSERT_FIELD(ELEMENT_HEADER, next_element, 40);
VAREK_ASSERT_FIELD(ELEMENT_HEADER, failure_systems, 44);
VAREK_ASSERT_FIELD(ELEMENT_HEADER, image_flags, 48);
VAREK_ASSERT_FIELD(ELEMENT_HEADER, aircraft_special_instrumentation, 52);
VAREK_ASSERT_FIELD(ELEMENT_HEADER, reserved, 56);

static_assert(sizeof(ELEMENT_STATIC_IMAGE) == 96);
VAREK_ASSERT_FIELD(ELEMENT_STATIC_IMAGE, image_data, 60);
VAREK_ASSERT_FIELD(ELEMENT_STATIC_IMAGE, save_buffer, 76);
VAREK_ASSERT_FIELD(ELEMENT_STATIC_IMAGE, hdc, 80);
VAREK_ASSERT_FIELD(ELEMENT_STATIC_IMAGE, hbmp, 84);
VAREK_ASSERT_FIELD(ELEMENT_STATIC_IMAGE, reserved1, 88);
VAREK_ASSERT_FIELD(ELEMENT_STATIC_IMAGE, reserved2, 92);

static_assert(sizeof(ELEMENT_NEEDLE) == 236);
VAREK_ASSERT_FIELD(ELEMENT_NEEDLE, source_var, 60);
VAREK_ASSERT_FIELD(ELEMENT_NEEDLE, source_var_cb, 88);
VAREK_ASSERT_FIELD(ELEMENT_NEEDLE, display_value_fn, 92);
VAREK_ASSERT_FIELD(ELEMENT_NEEDLE, angle_fn, 96);
VAREK_ASSERT_FIELD(ELEMENT_NEEDLE, lag_fn, 100);
VAREK_ASSERT_FIELD(ELEMENT_NEEDLE, reference, 104);
VAREK_ASSERT_FIELD(ELEMENT_NEEDLE, nonlinearity_table, 112);
VAREK_ASSERT_FIELD(ELEMENT_NEEDLE, nonlinearity_table_size, 116);
VAREK_ASSERT_FIELD(ELEMENT_NEEDLE, max_degrees_per_tick, 120);
VAREK_ASSERT_FIELD(ELEMENT_NEEDLE, readout_goal, 124);
VAREK_ASSERT_FIELD(ELEMENT_NEEDLE, theta_goal, 132);
VAREK_ASSERT_FIELD(ELEMENT_NEEDLE, theta, 140);
VAREK_ASSERT_FIELD(ELEMENT_NEEDLE, reference_old, 148);
VAREK_ASSERT_FIELD(ELEMENT_NEEDLE, o0, 156);
VAREK_ASSERT_FIELD(ELEMENT_NEEDLE, o3, 180);
VAREK_ASSERT_FIELD(ELEMENT_NEEDLE, needle_data, 188);
VAREK_ASSERT_FIELD(ELEMENT_NEEDLE, texture_data, 204);
VAREK_ASSERT_FIELD(ELEMENT_NEEDLE, texture_handle, 208);
VAREK_ASSERT_FIELD(ELEMENT_NEEDLE, save_buffer, 212);
VAREK_ASSERT_FIELD(ELEMENT_NEEDLE, save_position, 216);
VAREK_ASSERT_FIELD(ELEMENT_NEEDLE, update_cb, 224);
VAREK_ASSERT_FIELD(ELEMENT_NEEDLE, save_size, 228);

static_assert(sizeof(SEQ_REC) == 12);
static_assert(sizeof(ELEMENT_STRING) == 324);
VAREK_ASSERT_FIELD(ELEMENT_STRING, source_var, 60);
VAREK_ASSERT_FIELD(ELEMENT_STRING, save_var, 144);
VAREK_ASSERT_FIELD(ELEMENT_STRING, source_var_cb, 168);
VAREK_ASSERT_FIELD(ELEMENT_STRING, source_fn, 180);
VAREK_ASSERT_FIELD(ELEMENT_STRING, string, 184);
VAREK_ASSERT_FIELD(ELEMENT_STRING, string_old, 188);
VAREK_ASSERT_FIELD(ELEMENT_STRING, img_size, 192);
VAREK_ASSERT_FIELD(ELEMENT_STRING, string_data, 200);
VAREK_ASSERT_FIELD(ELEMENT_STRING, save_buffer, 204);
VAREK_ASSERT_FIELD(ELEMENT_STRING, fg_color, 208);
VAREK_ASSERT_FIELD(ELEMENT_STRING, bg_color, 212);
VAREK_ASSERT_FIELD(ELEMENT_STRING, hilite_color, 216);
VAREK_ASSERT_FIELD(ELEMENT_STRING, hdc, 220);
VAREK_ASSERT_FIELD(ELEMENT_STRING, hfont, 224);
VAREK_ASSERT_FIELD(ELEMENT_STRING, reserved1, 228);
VAREK_ASSERT_FIELD(ELEMENT_STRING, hbmp, 232);
VAREK_ASSERT_FIELD(ELEMENT_STRING, reserved2, 236);
VAREK_ASSERT_FIELD(ELEMENT_STRING, hbrush, 240);
VAREK_ASSERT_FIELD(ELEMENT_STRING, reserved3, 244);
VAREK_ASSERT_FIELD(ELEMENT_STRING, font_name, 248);
VAREK_ASSERT_FIELD(ELEMENT_STRING, font_weight, 280);
VAREK_ASSERT_FIELD(ELEMENT_STRING, font_charset, 284);
VAREK_ASSERT_FIELD(ELEMENT_STRING, draw_text_flags, 288);
VAREK_ASSERT_FIELD(ELEMENT_STRING, max_string_length, 292);
VAREK_ASSERT_FIELD(ELEMENT_STRING, char_width, 294);
VAREK_ASSERT_FIELD(ELEMENT_STRING, sel_str, 296);
VAREK_ASSERT_FIELD(ELEMENT_STRING, sel_end, 298);
VAREK_ASSERT_FIELD(ELEMENT_STRING, seq, 300);
VAREK_ASSERT_FIELD(ELEMENT_STRING, save_global_seq, 304);
VAREK_ASSERT_FIELD(ELEMENT_STRING, char_height, 308);
VAREK_ASSERT_FIELD(ELEMENT_STRING, update_cb, 312);
VAREK_ASSERT_FIELD(ELEMENT_STRING, use_user_color, 316);
VAREK_ASSERT_FIELD(ELEMENT_STRING, user_color, 320);

static_assert(sizeof(ELEMENT_SLIDER) == 192);
VAREK_ASSERT_FIELD(ELEMENT_SLIDER, source_var_x, 60);
VAREK_ASSERT_FIELD(ELEMENT_SLIDER, source_var_x_cb, 88);
VAREK_ASSERT_FIELD(ELEMENT_SLIDER, scale_x, 92);
VAREK_ASSERT_FIELD(ELEMENT_SLIDER, lag_fn_x, 100);
VAREK_ASSERT_FIELD(ELEMENT_SLIDER, source_var_y, 104);
VAREK_ASSERT_FIELD(ELEMENT_SLIDER, source_var_y_cb, 132);
VAREK_ASSERT_FIELD(ELEMENT_SLIDER, scale_y, 136);
VAREK_ASSERT_FIELD(ELEMENT_SLIDER, lag_fn_y, 144);
VAREK_ASSERT_FIELD(ELEMENT_SLIDER, slider_data, 148);
VAREK_ASSERT_FIELD(ELEMENT_SLIDER, save_buffer, 164);
VAREK_ASSERT_FIELD(ELEMENT_SLIDER, update_x_cb, 168);
VAREK_ASSERT_FIELD(ELEMENT_SLIDER, update_y_cb, 172);
VAREK_ASSERT_FIELD(ELEMENT_SLIDER, previous_x, 176);
VAREK_ASSERT_FIELD(ELEMENT_SLIDER, previous_y, 184);

static_assert(sizeof(ELEMENT_ICON) == 140);
VAREK_ASSERT_FIELD(ELEMENT_ICON, source_var, 60);
VAREK_ASSERT_FIELD(ELEMENT_ICON, source_var_cb, 88);
VAREK_ASSERT_FIELD(ELEMENT_ICON, switch_type, 92);
VAREK_ASSERT_FIELD(ELEMENT_ICON, switch_count, 96);
VAREK_ASSERT_FIELD(ELEMENT_ICON, scale, 100);
VAREK_ASSERT_FIELD(ELEMENT_ICON, offset, 108);
VAREK_ASSERT_FIELD(ELEMENT_ICON, num_icons, 112);
VAREK_ASSERT_FIELD(ELEMENT_ICON, cur_icon, 116);
VAREK_ASSERT_FIELD(ELEMENT_ICON, dst_icon, 120);
VAREK_ASSERT_FIELD(ELEMENT_ICON, picon_data, 124);
VAREK_ASSERT_FIELD(ELEMENT_ICON, save_buffer, 128);
VAREK_ASSERT_FIELD(ELEMENT_ICON, update_cb, 132);
VAREK_ASSERT_FIELD(ELEMENT_ICON, reserved1, 136);

static_assert(sizeof(ELEMENT_MOVING_IMAGE) == 268);
VAREK_ASSERT_FIELD(ELEMENT_MOVING_IMAGE, source_var_x, 60);
VAREK_ASSERT_FIELD(ELEMENT_MOVING_IMAGE, source_var_x_cb, 88);
VAREK_ASSERT_FIELD(ELEMENT_MOVING_IMAGE, min_x, 92);
VAREK_ASSERT_FIELD(ELEMENT_MOVING_IMAGE, max_x, 100);
VAREK_ASSERT_FIELD(ELEMENT_MOVING_IMAGE, lag_x, 108);
VAREK_ASSERT_FIELD(ELEMENT_MOVING_IMAGE, source_var_y, 112);
VAREK_ASSERT_FIELD(ELEMENT_MOVING_IMAGE, source_var_y_cb, 140);
VAREK_ASSERT_FIELD(ELEMENT_MOVING_IMAGE, min_y, 144);
VAREK_ASSERT_FIELD(ELEMENT_MOVING_IMAGE, max_y, 152);
VAREK_ASSERT_FIELD(ELEMENT_MOVING_IMAGE, lag_y, 160);
VAREK_ASSERT_FIELD(ELEMENT_MOVING_IMAGE, scale_x, 164);
VAREK_ASSERT_FIELD(ELEMENT_MOVING_IMAGE, scale_y, 172);
VAREK_ASSERT_FIELD(ELEMENT_MOVING_IMAGE, offset_x, 180);
VAREK_ASSERT_FIELD(ELEMENT_MOVING_IMAGE, offset_y, 188);
VAREK_ASSERT_FIELD(ELEMENT_MOVING_IMAGE, save_position, 196);
VAREK_ASSERT_FIELD(ELEMENT_MOVING_IMAGE, image_data, 204);
VAREK_ASSERT_FIELD(ELEMENT_MOVING_IMAGE, local_mask_data, 220);
VAREK_ASSERT_FIELD(ELEMENT_MOVING_IMAGE, mask_data, 236);
VAREK_ASSERT_FIELD(ELEMENT_MOVING_IMAGE, save_buffer, 240);
VAREK_ASSERT_FIELD(ELEMENT_MOVING_IMAGE, update_x_cb, 244);
VAREK_ASSERT_FIELD(ELEMENT_MOVING_IMAGE, update_y_cb, 248);
VAREK_ASSERT_FIELD(ELEMENT_MOVING_IMAGE, previous_x, 252);
VAREK_ASSERT_FIELD(ELEMENT_MOVING_IMAGE, previous_y, 260);

static_assert(sizeof(ELEMENT_SPRITE) == 352);
VAREK_ASSERT_FIELD(ELEMENT_SPRITE, source_var_x, 60);
VAREK_ASSERT_FIELD(ELEMENT_SPRITE, source_var_x_cb, 88);
VAREK_ASSERT_FIELD(ELEMENT_SPRITE, scale_x, 92);
VAREK_ASSERT_FIELD(ELEMENT_SPRITE, source_var_y, 100);
VAREK_ASSERT_FIELD(ELEMENT_SPRITE, source_var_y_cb, 128);
VAREK_ASSERT_FIELD(ELEMENT_SPRITE, scale_y, 132);
VAREK_ASSERT_FIELD(ELEMENT_SPRITE, source_var_0, 140);
VAREK_ASSERT_FIELD(ELEMENT_SPRITE, source_var_0_cb, 168);
VAREK_ASSERT_FIELD(ELEMENT_SPRITE, scale_0, 172);
VAREK_ASSERT_FIELD(ELEMENT_SPRITE, texture_scale_x, 180);
VAREK_ASSERT_FIELD(ELEMENT_SPRITE, texture_scale_y, 184);
VAREK_ASSERT_FIELD(ELEMENT_SPRITE, reference, 188);
VAREK_ASSERT_FIELD(ELEMENT_SPRITE, reference_old, 196);
VAREK_ASSERT_FIELD(ELEMENT_SPRITE, o0, 204);
VAREK_ASSERT_FIELD(ELEMENT_SPRITE, os0, 236);
VAREK_ASSERT_FIELD(ELEMENT_SPRITE, os3, 260);
VAREK_ASSERT_FIELD(ELEMENT_SPRITE, sprite_data, 268);
VAREK_ASSERT_FIELD(ELEMENT_SPRITE, texture_data, 284);
VAREK_ASSERT_FIELD(ELEMENT_SPRITE, texture_handle, 288);
VAREK_ASSERT_FIELD(ELEMENT_SPRITE, local_mask_data, 292);
VAREK_ASSERT_FIELD(ELEMENT_SPRITE, mask_data, 308);
VAREK_ASSERT_FIELD(ELEMENT_SPRITE, save_buffer, 312);
VAREK_ASSERT_FIELD(ELEMENT_SPRITE, update_x_cb, 316);
VAREK_ASSERT_FIELD(ELEMENT_SPRITE, update_y_cb, 320);
VAREK_ASSERT_FIELD(ELEMENT_SPRITE, update_0_cb, 324);
VAREK_ASSERT_FIELD(ELEMENT_SPRITE, previous_x, 328);
VAREK_ASSERT_FIELD(ELEMENT_SPRITE, previous_y, 336);
VAREK_ASSERT_FIELD(ELEMENT_SPRITE, previous_0, 344);

static_assert(sizeof(MOUSERECT) == 44);
VAREK_ASSERT_FIELD(MOUSERECT, relative_box, 4);
VAREK_ASSERT_FIELD(MOUSERECT, cursor, 20);
VAREK_ASSERT_FIELD(MOUSERECT, help_id, 24);
VAREK_ASSERT_FIELD(MOUSERECT, mouse_flags, 28);
VAREK_ASSERT_FIELD(MOUSERECT, event_id, 32);
VAREK_ASSERT_FIELD(MOUSERECT, mouse_function, 36);
VAREK_ASSERT_FIELD(MOUSERECT, tooltip_text, 36);
VAREK_ASSERT_FIELD(MOUSERECT, api_data, 40);

static_assert(sizeof(MOUSECALLBACK) == 28);
VAREK_ASSERT_FIELD(MOUSECALLBACK, user_data, 8);
VAREK_ASSERT_FIELD(MOUSECALLBACK, mouse, 12);
VAREK_ASSERT_FIELD(MOUSECALLBACK, screen_point, 16);
VAREK_ASSERT_FIELD(MOUSECALLBACK, reserved, 24);

static_assert(sizeof(GAUGEHDR) == 204);
VAREK_ASSERT_FIELD(GAUGEHDR, gauge_name, 4);
VAREK_ASSERT_FIELD(GAUGEHDR, elements_list, 8);
VAREK_ASSERT_FIELD(GAUGEHDR, query_routine, 12);
VAREK_ASSERT_FIELD(GAUGEHDR, install_routine, 16);
VAREK_ASSERT_FIELD(GAUGEHDR, initialize_routine, 20);
VAREK_ASSERT_FIELD(GAUGEHDR, update_routine, 24);
VAREK_ASSERT_FIELD(GAUGEHDR, generate_routine, 28);
VAREK_ASSERT_FIELD(GAUGEHDR, draw_routine, 32);
VAREK_ASSERT_FIELD(GAUGEHDR, kill_routine, 36);
VAREK_ASSERT_FIELD(GAUGEHDR, reserved1, 40);
VAREK_ASSERT_FIELD(GAUGEHDR, size_x_mm, 44);
VAREK_ASSERT_FIELD(GAUGEHDR, size_y_mm, 48);
VAREK_ASSERT_FIELD(GAUGEHDR, x_adjust, 52);
VAREK_ASSERT_FIELD(GAUGEHDR, y_adjust, 56);
VAREK_ASSERT_FIELD(GAUGEHDR, reserved2, 60);
VAREK_ASSERT_FIELD(GAUGEHDR, reserved3, 64);
VAREK_ASSERT_FIELD(GAUGEHDR, position, 68);
VAREK_ASSERT_FIELD(GAUGEHDR, reserved4, 76);
VAREK_ASSERT_FIELD(GAUGEHDR, mouse_rect, 80);
VAREK_ASSERT_FIELD(GAUGEHDR, gauge_callback, 84);
VAREK_ASSERT_FIELD(GAUGEHDR, user_data, 88);
VAREK_ASSERT_FIELD(GAUGEHDR, parameters, 92);
VAREK_ASSERT_FIELD(GAUGEHDR, usage, 96);
VAREK_ASSERT_FIELD(GAUGEHDR, reserved5, 100);
VAREK_ASSERT_FIELD(GAUGEHDR, reserved6, 104);
VAREK_ASSERT_FIELD(GAUGEHDR, size, 108);
VAREK_ASSERT_FIELD(GAUGEHDR, user_area, 116);
VAREK_ASSERT_FIELD(GAUGEHDR, flags, 196);
VAREK_ASSERT_FIELD(GAUGEHDR, reserved7, 200);

static_assert(sizeof(GAUGESIMPORT) == 16);
VAREK_ASSERT_FIELD(GAUGESIMPORT, PANELSentry.fnptr, 4);
VAREK_ASSERT_FIELD(GAUGESIMPORT, nullentry.fnID, 8);
VAREK_ASSERT_FIELD(GAUGESIMPORT, nullentry.fnptr, 12);

static_assert(sizeof(GAUGESLINKAGE) == 24);
VAREK_ASSERT_FIELD(GAUGESLINKAGE, ModuleInit, 4);
VAREK_ASSERT_FIELD(GAUGESLINKAGE, ModuleDeinit, 8);
VAREK_ASSERT_FIELD(GAUGESLINKAGE, ModuleFlags, 12);
VAREK_ASSERT_FIELD(GAUGESLINKAGE, ModulePriority, 16);
VAREK_ASSERT_FIELD(GAUGESLINKAGE, ModuleVersion, 20);
VAREK_ASSERT_FIELD(GAUGESLINKAGE, gauge_header_ptr, 24);

static_assert(sizeof(PANELS) == 24 + 65 * 4);
VAREK_ASSERT_FIELD(PANELS, reserved1, 24);
VAREK_ASSERT_FIELD(PANELS, is_panel_window_visible_ident, 44);
VAREK_ASSERT_FIELD(PANELS, tooltip_units_getset, 48);
VAREK_ASSERT_FIELD(PANELS, element_list_query, 96);
VAREK_ASSERT_FIELD(PANELS, mouse_list_install, 128);
VAREK_ASSERT_FIELD(PANELS, panel_window_toggle, 140);
VAREK_ASSERT_FIELD(PANELS, trigger_key_event, 144);
VAREK_ASSERT_FIELD(PANELS, lookup_var, 160);
VAREK_ASSERT_FIELD(PANELS, panel_window_close_ident, 180);
VAREK_ASSERT_FIELD(PANELS, check_named_variable, 204);
VAREK_ASSERT_FIELD(PANELS, get_name_of_named_variable, 236);
VAREK_ASSERT_FIELD(PANELS, panel_resource_string_get, 244);
VAREK_ASSERT_FIELD(PANELS, element_use_color, 260);
VAREK_ASSERT_FIELD(PANELS, execute_calculator_code, 276);
VAREK_ASSERT_FIELD(PANELS, format_calculator_string, 280);

#undef VAREK_ASSERT_FIELD

#endif
