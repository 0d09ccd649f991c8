# The resource script is the one list of embedded files for both builds.
set(TINSELWICK_RESOURCE_SCRIPT ${PROJECT_SOURCE_DIR}/resources/tinselwick.rc)
