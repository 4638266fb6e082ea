// The live panel's HTTP interface on a real socket: every route, what a bad request gets, ten
// thousand malformed ones, the loopback-only binding and the port search, the change stream, the
// panel read again from disk.
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <thread>

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <ifaddrs.h>
#include <nlohmann/json.hpp>
#include <sys/inotify.h>
#include <sys/socket.h>
#include <unistd.h>

#include "bench/serve/http_server.h"

namespace {

using bench::serve::http_server;
using bench::serve::live_panel;
using nlohmann::json;

const std::filesystem::path built_panel =
    std::filesystem::path(VAREK_MODULE_PATH).parent_path() / "panel" / "panel.cfg";

// A live panel served on a free port, its frames run by the test.
struct served_panel {
    explicit served_panel(const std::filesystem::path& panel_file)
        : panel({VAREK_MODULE_PATH, panel_file, 0.0}), server(panel), port(server.bind(0)) {}
    ~served_panel() {
        server.stop();
    }

    live_panel panel;
    http_server server;
    int port;
    std::jthread answering{[this] { server.run(); }};
};

// The middle of a gauge of window 0, in the window's pixels.
std::pair<double, double> middle_of(const json& layout, const std::string& gauge) {
    for (const json& placed : layout["windows"][0]["gauges"]) {
        if (placed["name"] == gauge) {
            const auto at = placed["at"].get<std::vector<double>>();
            return {at[0] + at[2] / 2, at[1] + at[3] / 2};
        }
    }
    ADD_FAILURE() << gauge << " is not on the main panel";
    return {0, 0};
}

class LivePanelHttp : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        served = std::make_unique<served_panel>(built_panel);
    }
    static void TearDownTestSuite() {
        served.reset();
    }
    static httplib::Client client() {
        httplib::Client c("127.0.0.1", served->port);
        c.set_read_timeout(10);
        return c;
    }
    static inline std::unique_ptr<served_panel> served;
};

struct request_row {
    const char* name;
    const char* method;
    std::string path;
    std::string body;
    int status;
    std::string answer_part;
};

class LivePanelRequests : public LivePanelHttp,
                          public ::testing::WithParamInterface<request_row> {};

TEST_P(LivePanelRequests, AnswerWithStatusAndMessage) {
    const request_row& row = GetParam();
    auto c = client();
    const auto reply = std::string(row.method) == "GET" ? c.Get(row.path)
                       : std::string(row.method) == "DELETE"
                           ? c.Delete(row.path)
                           : c.Post(row.path, row.body, "application/json");
    ASSERT_TRUE(reply) << httplib::to_string(reply.error());
    EXPECT_EQ(reply->status, row.status) << reply->body;
    EXPECT_NE(reply->body.find(row.answer_part), std::string::npos) << reply->body;
}

INSTANTIATE_TEST_SUITE_P(
    Routes, LivePanelRequests,
    ::testing::Values(
        request_row{"Page", "GET", "/", "", 200, "panel.js"},
        request_row{"Script", "GET", "/panel.js", "", 200, "EventSource"},
        request_row{"Layout", "GET", "/api/layout", "", 200, "\"Battery_Switch\""},
        request_row{"Wave", "GET", "/api/wave?id=40", "", 200, "RIFF"},
        request_row{"Window", "POST", "/api/window", R"({"ident":50,"action":"close"})", 200, "ok"},
        request_row{"Pause", "POST", "/api/flight", R"({"paused":false,"rate":2})", 200, "ok"},
        request_row{"Variable", "POST", "/api/variable", R"({"name":"AIRSPEED","value":90})", 200,
                    "ok"},
        request_row{"FreeVariable", "POST", "/api/variable", R"({"name":"61","value":null})", 200,
                    "ok"},
        request_row{"Failure", "POST", "/api/failure", R"({"key":6,"active":false})", 200, "ok"},
        request_row{"Night", "POST", "/api/lighting", R"({"night":false})", 200, "ok"},
        request_row{"UnknownPath", "GET", "/etc/passwd", "", 404, "nothing is served at"},
        request_row{"SourceFile", "GET", "/panel.cfg", "", 404, "nothing is served at"},
        request_row{"UnknownRoute", "POST", "/api/nothing", "{}", 404, "not part of"},
        request_row{"WrongMethod", "DELETE", "/api/mouse", "", 405, "takes POST"},
        request_row{"MalformedJson", "POST", "/api/mouse", "{\"window\":", 400, "JSON object"},
        request_row{"MissingField", "POST", "/api/mouse", R"({"window":0,"x":1})", 400,
                    "'y' must be a number"},
        request_row{"OutsideWindow", "POST", "/api/mouse",
                    R"({"window":0,"x":-3,"y":5,"action":"press"})", 400, "outside window 0"},
        request_row{"NoSuchWindow", "POST", "/api/mouse",
                    R"({"window":42,"x":3,"y":5,"action":"press"})", 400, "no window 42"},
        request_row{"UnknownButton", "POST", "/api/mouse",
                    R"({"window":0,"x":3,"y":5,"action":"press","button":"fourth"})", 400,
                    "left, right or middle"},
        request_row{"UnknownVariable", "POST", "/api/variable", R"({"name":"WARP","value":1})", 400,
                    "unknown variable 'WARP'"},
        request_row{"MisspeltFlightField", "POST", "/api/flight", R"({"pause":true})", 400,
                    "'pause' is not one of"},
        request_row{"RateTooHigh", "POST", "/api/flight", R"({"rate":100})", 400, "at most 16"},
        request_row{"MomentAfterTheFlight", "POST", "/api/flight", R"({"at":1e9})", 400,
                    "from 0 to 600"},
        request_row{"FailureKeyZero", "POST", "/api/failure", R"({"key":0,"active":true})", 400,
                    "from 1"},
        request_row{"HoverNotANumber", "GET", "/api/hover?window=0&x=abc&y=1", "", 400,
                    "'x' must be a number"},
        request_row{"NoSuchWave", "GET", "/api/wave?id=99", "", 404, "no wave 99"},
        request_row{"HugeBody", "POST", "/api/variable", std::string(100000, ' '), 413,
                    "too large"},
        request_row{"PathNotUtf8", "GET", "/api/w\xa4ve", "", 404, "nothing is served at"}),
    [](const auto& info) { return std::string(info.param.name); });

// A request a page would never send: random bytes, a request cut short, headers or a target
// beyond the server's limits, an unknown method, a path out of the page's files towards `file`,
// a broken JSON body, a point outside every window, a body that is not the length it claims.
std::string malformed_request(std::mt19937& random, int kind, const std::string& file) {
    const auto pick = [&random](std::initializer_list<std::string> choices) {
        return *(choices.begin() + random() % choices.size());
    };
    const std::string click = R"({"window":0,"x":700,"y":300,"action":"press"})";
    const std::string route = pick({"/api/mouse", "/api/window", "/api/flight", "/api/variable",
                                    "/api/failure", "/api/lighting"});
    const auto post = [&route](const std::string& body, const std::string& path = "") {
        return "POST " + (path.empty() ? route : path) +
               " HTTP/1.1\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
    };
    switch (kind) {
        case 0: {
            std::string bytes(1 + random() % 512, '\0');
            for (char& byte : bytes) {
                byte = static_cast<char>(random());
            }
            return bytes;
        }
        case 1:
            return post(click).substr(0, random() % (post(click).size() - 1) + 1);
        case 2:
            return pick(
                {"GET /" + std::string(9000 + random() % 60000, 'a') + " HTTP/1.1\r\n\r\n",
                 "GET / HTTP/1.1\r\nX: " + std::string(9000 + random() % 60000, 'b') + "\r\n\r\n"});
        case 3:
            return pick({"PUT", "DELETE", "PATCH", "OPTIONS", "TRACE", "BREW", "get", "POST\tX"}) +
                   " " + route + " HTTP/1.1\r\nContent-Length: 2\r\n\r\n{}";
        case 4:
            return "GET " +
                   pick({"/../../../../../.." + file, "/%2e%2e/%2e%2e/%2e%2e/%2e%2e/%2e%2e" + file,
                         "/..%2f..%2f..%2f..%2f..%2f.." + file, "/" + file, "//" + file,
                         "/index.html/../../../../.." + file, "/api/wave?id=../../.." + file,
                         "/api/wave?id=%2e%2e" + file, "/api/hover?window=" + file}) +
                   " HTTP/1.1\r\n\r\n";
        case 5:
            return post(pick({click.substr(0, random() % click.size()), "[]", "null", "\"x\"",
                              std::string(5000, '[') + std::string(5000, ']'),
                              R"({"window":"0","x":{},"y":[],"action":7})"}));
        case 6: {
            const std::string x = pick({"-1", "1400.5", "1e9", "-1e308", "1e308", "9e999"});
            return pick(
                {post(R"({"window":0,"x":)" + x + R"(,"y":300,"action":"press"})", "/api/mouse"),
                 "GET /api/hover?window=" + pick({"0", "-1", "100", "1e10", "0.5"}) + "&x=" + x +
                     "&y=5 HTTP/1.1\r\n\r\n"});
        }
        default:
            return "POST " + route +
                   " HTTP/1.1\r\nContent-Length: " + pick({"-5", "99999999999", "12", "1x", ""}) +
                   "\r\n\r\n{\"window\":0}";
    }
}

// Sends a request on a connection of its own, ends the sending side, and reads what comes back
// until the server closes. None when the server still holds the connection after 5 s.
std::optional<std::string> exchange(int port, const std::string& request) {
    const int connection = socket(AF_INET, SOCK_STREAM, 0);
    const timeval wait{5, 0};
    setsockopt(connection, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::optional<std::string> reply;
    if (connect(connection, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        send(connection, request.data(), request.size(), MSG_NOSIGNAL);
        shutdown(connection, SHUT_WR);
        reply.emplace();
        char part[4096];
        ssize_t got = 0;
        while ((got = recv(connection, part, sizeof part, 0)) > 0) {
            reply->append(part, static_cast<std::size_t>(got));
        }
        if (got < 0 && errno == EAGAIN) {
            reply.reset();
        }
    }
    close(connection);
    return reply;
}

// Each is answered with a 4xx or its connection closed; a file beside the server's (watched) is
// never opened, whatever path names it; and the server answers the next good request.
TEST_F(LivePanelHttp, RefusesTenThousandMalformedRequests) {
    const auto outside = std::filesystem::temp_directory_path() / "varek_serve_outside";
    std::filesystem::create_directories(outside);
    const std::string secret = "not the page's own";
    std::ofstream(outside / "secret.txt") << secret;
    const int watch = inotify_init1(IN_NONBLOCK);
    ASSERT_GE(inotify_add_watch(watch, outside.c_str(), IN_OPEN | IN_ACCESS), 0);
    std::mt19937 random(2026);
    int wrong = 0;
    std::string first_wrong;
    for (int i = 0; i < 10000; ++i) {
        const std::string request =
            malformed_request(random, i % 8, (outside / "secret.txt").string());
        const auto reply = exchange(served->port, request);
        const bool refused =
            reply && (reply->empty() || (reply->starts_with("HTTP/1.1 4") &&
                                         reply->find(secret) == std::string::npos));
        if (!refused && wrong++ == 0) {
            first_wrong =
                request.substr(0, 120) + "\n -> " + reply.value_or("(held)").substr(0, 120);
        }
    }
    EXPECT_EQ(wrong, 0) << first_wrong;
    char events[4096];
    EXPECT_LE(read(watch, events, sizeof events), 0) << "a request opened a file outside";
    close(watch);
    std::filesystem::remove_all(outside);
    EXPECT_EQ(client().Get("/api/layout")->status, 200);
}

// A click on the battery switch through the interface reaches the aircraft, and the next frame
// on the change stream carries its key event, its click and a picture of the switch.
TEST_F(LivePanelHttp, ClickReachesTheNextFrame) {
    auto c = client();
    const json layout = json::parse(c.Get("/api/layout")->body);
    const auto [x, y] = middle_of(layout, "Battery_Switch");
    const auto hover =
        c.Get("/api/hover?window=0&x=" + std::to_string(x) + "&y=" + std::to_string(y));
    EXPECT_EQ(json::parse(hover->body)["cursor"], "hand") << hover->body;
    const std::uint64_t before = served->panel.changes().last();
    for (const char* action : {"press", "release"}) {
        const json click{{"window", 0}, {"x", x}, {"y", y}, {"action", action}};
        ASSERT_EQ(c.Post("/api/mouse", click.dump(), "application/json")->status, 200);
    }
    served->panel.step();
    const auto news = served->panel.changes().wait(before, std::chrono::seconds(1));
    ASSERT_FALSE(news.empty());
    const json frame = json::parse(news.back().data);
    EXPECT_NE(frame["keys"].dump().find("KEY_TOGGLE_MASTER_BATTERY"), std::string::npos);
    EXPECT_EQ(frame["sounds"][0]["wave"], 10) << frame["sounds"];
    bool switch_drawn = false;
    for (const json& tile : frame["tiles"]) {
        switch_drawn |= tile["x"] <= x && x < tile["x"].get<double>() + tile["w"].get<double>() &&
                        tile["y"] <= y && y < tile["y"].get<double>() + tile["h"].get<double>();
    }
    EXPECT_TRUE(switch_drawn);
}

// A new page's stream starts with the whole of every open window.
TEST_F(LivePanelHttp, StreamStartsWithTheWholePanel) {
    auto c = client();
    std::string received;
    c.Get("/api/events", [&](const char* data, std::size_t length) {
        received.append(data, length);
        return received.find("\n\n") == std::string::npos;
    });
    ASSERT_TRUE(received.starts_with("id: ")) << received.substr(0, 80);
    const auto data = received.find("data: ");
    const json first = json::parse(received.substr(data + 6, received.find("\n\n") - data - 6));
    EXPECT_EQ(first["tiles"][0]["w"], first["layout"]["windows"][0]["width"]);
    EXPECT_EQ(first["open"], json::array({0}));
}

// The port asked for is taken, so a later one is bound (the very next may belong to another
// program's connection).
TEST_F(LivePanelHttp, TakenPortGivesALaterOne) {
    http_server second(served->panel);
    const int bound = second.bind(served->port);
    EXPECT_GT(bound, served->port);
    EXPECT_LT(bound, served->port + bench::serve::ports_tried);
}

// The server cannot be reached on the machine's other addresses.
TEST_F(LivePanelHttp, ListensOnLoopbackOnly) {
    ifaddrs* interfaces = nullptr;
    ASSERT_EQ(getifaddrs(&interfaces), 0);
    std::string other;
    for (const ifaddrs* i = interfaces; i != nullptr && other.empty(); i = i->ifa_next) {
        if (i->ifa_addr != nullptr && i->ifa_addr->sa_family == AF_INET) {
            char text[INET_ADDRSTRLEN];
            inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(i->ifa_addr)->sin_addr, text,
                      sizeof text);
            other = std::string(text).starts_with("127.") ? "" : text;
        }
    }
    freeifaddrs(interfaces);
    if (other.empty()) {
        GTEST_SKIP() << "the machine has no address but the loopback";
    }
    httplib::Client c(other, served->port);
    c.set_connection_timeout(2);
    EXPECT_FALSE(c.Get("/api/layout")) << "answered on " << other;
    EXPECT_TRUE(client().Get("/api/layout"));
}

// The panel designer's loop: a changed panel.cfg is read again, its bad line reported.
TEST(LivePanelFiles, ChangedPanelIsReadAgain) {
    const auto folder = std::filesystem::temp_directory_path() / "varek_serve_panel";
    std::filesystem::remove_all(folder);
    std::filesystem::copy(built_panel.parent_path(), folder);
    live_panel panel({VAREK_MODULE_PATH, folder / "panel.cfg", 0.0});
    EXPECT_FALSE(panel.reload_if_changed());
    {
        std::ofstream cfg(folder / "panel.cfg", std::ios::app);
        cfg << "\n[Window08]\nsize_mm=100,100\nvisible=1\nident=300\n"
               "gauge00=Varek_Instr!No_Such_Gauge, 10, 10\n";
    }
    std::filesystem::last_write_time(
        folder / "panel.cfg",
        std::filesystem::last_write_time(folder / "panel.cfg") + std::chrono::seconds(2));
    EXPECT_TRUE(panel.reload_if_changed());
    const json layout = panel.layout();
    EXPECT_EQ(layout["windows"].back()["number"], 8);
    EXPECT_NE(layout["reports"].dump().find("No_Such_Gauge"), std::string::npos)
        << layout["reports"];
    std::filesystem::remove_all(folder);
}

}  // namespace
