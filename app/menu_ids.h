#pragma once

// Command and control ids of the main frame. The similarity ids are those of
// the core's method table (methodInfo(method).menuId); the event table needs
// them as constants.
enum MainFrameId {
    ID_QUIT = 100,
    ID_ABOUT = 101,
    ID_DATA_LIST = 102,
    ID_OPEN = 103,
    ID_COMPUTE_FINGERPRINT = 104,
    ID_COMPUTE_PDF = 105,
    ID_COMPUTE_FINGERPRINT_A = 106,
    ID_COMPUTE_HISTOGRAM = 108,
    ID_COMPUTE_CUMULATIVE_HISTOGRAM = 109,
    ID_MOVE_ASYMMETRIC_PART = 107,
    ID_INVERT_ASYMMETRIC_PART = 110,
};
