-- Links of herbs and formulas to their actions, indications and components

-- Herb and formula actions
-- Gan Cao
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (1, 1, 1, 1), (1, 18, 1, 18), (1, 10, 1, 10), (1, 15, 1, 15), (1, 24, 1, 24);
-- Ren Shen
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (2, 2, 2, 2), (2, 1, 2, 1), (2, 16, 2, 16), (2, 8, 2, 8);
-- Bai Zhu
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (3, 1, 3, 1), (3, 19, 3, 19), (3, 22, 3, 22), (3, 20, 3, 20);
-- Fu Ling
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (4, 20, 4, 20), (4, 11, 4, 11), (4, 1, 4, 1), (4, 8, 4, 8);
-- Huang Qi
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (5, 1, 5, 1), (5, 21, 5, 21), (5, 22, 5, 22), (5, 20, 5, 20);
-- Dang Gui
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (6, 7, 6, 7), (6, 23, 6, 23), (6, 24, 6, 24), (6, 41, 6, 41);
-- Chuan Xiong
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (7, 23, 7, 23), (7, 12, 7, 12), (7, 24, 7, 24);
-- Bai Shao
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (8, 7, 8, 7), (8, 27, 8, 27), (8, 24, 8, 24), (8, 25, 8, 25);
-- Shu Di Huang
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (9, 7, 9, 7), (9, 25, 9, 25), (9, 26, 9, 26), (9, 45, 9, 45);
-- Gui Zhi
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (10, 3, 10, 3), (10, 4, 10, 4), (10, 5, 10, 5), (10, 6, 10, 6);
-- Ma Huang
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (11, 3, 11, 3), (11, 4, 11, 4), (11, 48, 11, 48), (11, 20, 11, 20);
-- Xing Ren
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (12, 15, 12, 15), (12, 48, 12, 48), (12, 41, 12, 41), (12, 29, 12, 29);
-- Sheng Jiang
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (13, 3, 13, 3), (13, 47, 13, 47), (13, 31, 13, 31), (13, 30, 13, 30), (13, 15, 13, 15);
-- Da Zao
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (14, 1, 14, 1), (14, 7, 14, 7), (14, 8, 14, 8), (14, 18, 14, 18);
-- Chai Hu
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (15, 17, 15, 17), (15, 28, 15, 28), (15, 21, 15, 21), (15, 3, 15, 3);
-- Huang Qin
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (16, 32, 16, 32), (16, 33, 16, 33), (16, 10, 16, 10), (16, 50, 16, 50);
-- Ban Xia
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (17, 19, 17, 19), (17, 9, 17, 9), (17, 29, 17, 29), (17, 30, 17, 30);
-- Chen Pi
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (18, 12, 18, 12), (18, 19, 18, 19), (18, 9, 18, 9);
-- Sheng Ma
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (19, 21, 19, 21), (19, 10, 19, 10), (19, 37, 19, 37), (19, 3, 19, 3);
-- Shan Yao
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (20, 1, 20, 1), (20, 25, 20, 25), (20, 44, 20, 44);
-- Shan Zhu Yu
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (21, 45, 21, 45), (21, 44, 21, 44), (21, 22, 21, 22);
-- Ze Xie
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (22, 20, 22, 20), (22, 11, 22, 11), (22, 33, 22, 33);
-- Mu Dan Pi
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (23, 34, 23, 34), (23, 23, 23, 23), (23, 24, 23, 24);
-- Jin Yin Hua
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (24, 10, 24, 10), (24, 35, 24, 35), (24, 3, 24, 3);
-- Lian Qiao
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (25, 10, 25, 10), (25, 35, 25, 35), (25, 3, 25, 3);
-- Jie Geng
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (26, 49, 26, 49), (26, 9, 26, 9), (26, 36, 26, 36), (26, 15, 26, 15);
-- Bo He
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (27, 35, 27, 35), (27, 38, 27, 38), (27, 36, 27, 36), (27, 37, 27, 37), (27, 28, 27, 28);
-- Niu Bang Zi
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (28, 35, 28, 35), (28, 36, 28, 36), (28, 37, 28, 37), (28, 10, 28, 10), (28, 41, 28, 41);
-- Dan Dou Chi
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (29, 3, 29, 3), (29, 39, 29, 39), (29, 35, 29, 35);
-- Jing Jie
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (30, 3, 30, 3), (30, 37, 30, 37), (30, 50, 30, 50);
-- Dan Zhu Ye
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (31, 33, 31, 33), (31, 39, 31, 39), (31, 20, 31, 20);
-- Lu Gen
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (32, 33, 32, 33), (32, 16, 32, 16), (32, 30, 32, 30), (32, 39, 32, 39);
-- Fu Zi
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (33, 13, 33, 13), (33, 47, 33, 47), (33, 24, 33, 24), (33, 6, 33, 6);
-- Gan Jiang
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (34, 31, 34, 31), (34, 13, 34, 13), (34, 47, 34, 47), (34, 9, 34, 9);
-- Huang Lian
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (35, 32, 35, 32), (35, 33, 35, 33), (35, 10, 35, 10), (35, 39, 35, 39);
-- Da Huang
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (36, 14, 36, 14), (36, 33, 36, 33), (36, 23, 36, 23), (36, 34, 36, 34), (36, 10, 36, 10);
-- Zhi Shi
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (37, 42, 37, 42), (37, 12, 37, 12), (37, 9, 37, 9);
-- Hou Po
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (38, 12, 38, 12), (38, 19, 38, 19), (38, 29, 38, 29), (38, 48, 38, 48), (38, 42, 38, 42);
-- Suan Zao Ren
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (39, 8, 39, 8), (39, 7, 39, 7), (39, 22, 39, 22);
-- Wu Wei Zi
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (40, 43, 40, 43), (40, 44, 40, 44), (40, 22, 40, 22), (40, 16, 40, 16), (40, 8, 40, 8);
-- Mai Men Dong
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (41, 25, 41, 25), (41, 40, 41, 40), (41, 16, 41, 16), (41, 39, 41, 39);
-- Ju Hua
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (42, 35, 42, 35), (42, 38, 42, 38), (42, 27, 42, 27), (42, 10, 42, 10);
-- Shi Gao
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (43, 33, 43, 33), (43, 39, 43, 39), (43, 16, 43, 16);
-- Zhi Mu
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (44, 33, 44, 33), (44, 25, 44, 25), (44, 40, 44, 40), (44, 16, 44, 16);
-- Wu Mei
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (45, 43, 45, 43), (45, 16, 45, 16), (45, 46, 45, 46), (45, 50, 45, 50);
-- Gui Zhi Tang
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (46, 3, 46, 3), (46, 5, 46, 5), (46, 4, 46, 4);
-- Ma Huang Tang
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (47, 3, 47, 3), (47, 4, 47, 4), (47, 48, 47, 48), (47, 15, 47, 15);
-- Si Jun Zi Tang
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (48, 1, 48, 1), (48, 11, 48, 11), (48, 19, 48, 19);
-- Si Wu Tang
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (49, 7, 49, 7), (49, 23, 49, 23), (49, 24, 49, 24);
-- Xiao Chai Hu Tang
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (50, 17, 50, 17), (50, 28, 50, 28), (50, 30, 50, 30), (50, 1, 50, 1);
-- Liu Wei Di Huang Wan
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (51, 25, 51, 25), (51, 45, 51, 45), (51, 26, 51, 26);
-- Bu Zhong Yi Qi Tang
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (52, 1, 52, 1), (52, 21, 52, 21), (52, 22, 52, 22);
-- Er Chen Tang
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (53, 9, 53, 9), (53, 19, 53, 19), (53, 12, 53, 12), (53, 30, 53, 30);
-- Xiao Yao San
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (54, 28, 54, 28), (54, 7, 54, 7), (54, 1, 54, 1);
-- Yin Qiao San
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (55, 35, 55, 35), (55, 10, 55, 10), (55, 36, 55, 36), (55, 3, 55, 3);
-- Si Ni Tang
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (56, 13, 56, 13), (56, 47, 56, 47), (56, 31, 56, 31);
-- Xiao Cheng Qi Tang
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (57, 14, 57, 14), (57, 42, 57, 42), (57, 12, 57, 12);
-- Sheng Mai San
INSERT INTO Rel (KPlanta, KUso, OPlanta, OUso) VALUES (58, 16, 58, 16), (58, 25, 58, 25), (58, 22, 58, 22), (58, 43, 58, 43);

-- Herb and formula indications
-- Gan Cao
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (1, 1, 1, 1), (1, 11, 1, 11), (1, 4, 1, 4), (1, 24, 1, 24), (1, 10, 1, 10);
-- Ren Shen
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (2, 1, 2, 1), (2, 48, 2, 48), (2, 46, 2, 46), (2, 14, 2, 14), (2, 11, 2, 11);
-- Bai Zhu
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (3, 1, 3, 1), (3, 2, 3, 2), (3, 3, 3, 3), (3, 12, 3, 12), (3, 7, 3, 7);
-- Fu Ling
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (4, 12, 4, 12), (4, 36, 4, 36), (4, 3, 4, 3), (4, 5, 4, 5), (4, 11, 4, 11);
-- Huang Qi
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (5, 1, 5, 1), (5, 7, 5, 7), (5, 18, 5, 18), (5, 12, 5, 12);
-- Dang Gui
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (6, 8, 6, 8), (6, 31, 6, 31), (6, 32, 6, 32), (6, 33, 6, 33), (6, 9, 6, 9);
-- Chuan Xiong
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (7, 19, 7, 19), (7, 31, 7, 31), (7, 32, 7, 32), (7, 28, 7, 28);
-- Bai Shao
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (8, 8, 8, 8), (8, 24, 8, 24), (8, 28, 8, 28), (8, 13, 8, 13);
-- Shu Di Huang
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (9, 33, 9, 33), (9, 22, 9, 22), (9, 34, 9, 34), (9, 35, 9, 35), (9, 13, 9, 13);
-- Gui Zhi
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (10, 6, 10, 6), (10, 7, 10, 7), (10, 27, 10, 27), (10, 15, 10, 15);
-- Ma Huang
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (11, 6, 11, 6), (11, 26, 11, 26), (11, 20, 11, 20), (11, 12, 11, 12), (11, 27, 11, 27);
-- Xing Ren
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (12, 4, 12, 4), (12, 20, 12, 20), (12, 9, 12, 9), (12, 21, 12, 21);
-- Sheng Jiang
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (13, 16, 13, 16), (13, 6, 13, 6), (13, 4, 13, 4);
-- Da Zao
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (14, 1, 14, 1), (14, 2, 14, 2), (14, 3, 14, 3), (14, 17, 14, 17);
-- Chai Hu
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (15, 29, 15, 29), (15, 28, 15, 28), (15, 30, 15, 30), (15, 45, 15, 45), (15, 18, 15, 18);
-- Huang Qin
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (16, 25, 16, 25), (16, 43, 16, 43), (16, 42, 16, 42), (16, 44, 16, 44);
-- Ban Xia
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (17, 16, 17, 16), (17, 4, 17, 4), (17, 50, 17, 50), (17, 23, 17, 23);
-- Chen Pi
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (18, 23, 18, 23), (18, 2, 18, 2), (18, 16, 18, 16), (18, 4, 18, 4);
-- Sheng Ma
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (19, 18, 19, 18), (19, 19, 19, 19), (19, 41, 19, 41), (19, 40, 19, 40), (19, 10, 19, 10);
-- Shan Yao
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (20, 3, 20, 3), (20, 2, 20, 2), (20, 47, 20, 47), (20, 49, 20, 49);
-- Shan Zhu Yu
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (21, 34, 21, 34), (21, 13, 21, 13), (21, 47, 21, 47), (21, 22, 21, 22);
-- Ze Xie
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (22, 12, 22, 12), (22, 36, 22, 36), (22, 13, 22, 13), (22, 3, 22, 3);
-- Mu Dan Pi
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (23, 44, 23, 44), (23, 32, 23, 32), (23, 31, 23, 31), (23, 37, 23, 37);
-- Jin Yin Hua
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (24, 37, 24, 37), (24, 10, 24, 10), (24, 6, 24, 6), (24, 43, 24, 43);
-- Lian Qiao
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (25, 37, 25, 37), (25, 10, 25, 10), (25, 6, 25, 6);
-- Jie Geng
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (26, 4, 26, 4), (26, 10, 26, 10), (26, 50, 26, 50);
-- Bo He
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (27, 19, 27, 19), (27, 38, 27, 38), (27, 10, 27, 10), (27, 40, 27, 40), (27, 28, 27, 28);
-- Niu Bang Zi
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (28, 10, 28, 10), (28, 40, 28, 40), (28, 4, 28, 4), (28, 37, 28, 37);
-- Dan Dou Chi
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (29, 6, 29, 6), (29, 17, 29, 17), (29, 5, 29, 5);
-- Jing Jie
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (30, 6, 30, 6), (30, 19, 30, 19), (30, 40, 30, 40), (30, 44, 30, 44);
-- Dan Zhu Ye
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (31, 41, 31, 41), (31, 17, 31, 17), (31, 36, 31, 36), (31, 14, 31, 14);
-- Lu Gen
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (32, 14, 32, 14), (32, 16, 32, 16), (32, 25, 32, 25), (32, 17, 32, 17);
-- Fu Zi
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (33, 15, 33, 15), (33, 46, 33, 46), (33, 3, 33, 3), (33, 12, 33, 12);
-- Gan Jiang
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (34, 15, 34, 15), (34, 24, 34, 24), (34, 3, 34, 3), (34, 16, 34, 16);
-- Huang Lian
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (35, 43, 35, 43), (35, 17, 35, 17), (35, 5, 35, 5), (35, 16, 35, 16), (35, 41, 35, 41);
-- Da Huang
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (36, 9, 36, 9), (36, 25, 36, 25), (36, 23, 36, 23), (36, 44, 36, 44), (36, 42, 36, 42);
-- Zhi Shi
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (37, 23, 37, 23), (37, 9, 37, 9), (37, 24, 37, 24), (37, 50, 37, 50);
-- Hou Po
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (38, 23, 38, 23), (38, 20, 38, 20), (38, 4, 38, 4), (38, 9, 38, 9);
-- Suan Zao Ren
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (39, 5, 39, 5), (39, 11, 39, 11), (39, 7, 39, 7), (39, 22, 39, 22), (39, 17, 39, 17);
-- Wu Wei Zi
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (40, 22, 40, 22), (40, 7, 40, 7), (40, 20, 40, 20), (40, 3, 40, 3), (40, 5, 40, 5);
-- Mai Men Dong
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (41, 21, 41, 21), (41, 14, 41, 14), (41, 17, 41, 17), (41, 9, 41, 9);
-- Ju Hua
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (42, 38, 42, 38), (42, 19, 42, 19), (42, 13, 42, 13), (42, 39, 42, 39);
-- Shi Gao
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (43, 25, 43, 25), (43, 14, 43, 14), (43, 17, 43, 17), (43, 20, 43, 20);
-- Zhi Mu
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (44, 25, 44, 25), (44, 14, 44, 14), (44, 22, 44, 22), (44, 21, 44, 21), (44, 49, 44, 49);
-- Wu Mei
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (45, 21, 45, 21), (45, 3, 45, 3), (45, 14, 45, 14), (45, 24, 45, 24);
-- Gui Zhi Tang
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (46, 6, 46, 6), (46, 7, 46, 7), (46, 19, 46, 19), (46, 16, 46, 16);
-- Ma Huang Tang
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (47, 6, 47, 6), (47, 26, 47, 26), (47, 19, 47, 19), (47, 27, 47, 27), (47, 20, 47, 20);
-- Si Jun Zi Tang
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (48, 1, 48, 1), (48, 2, 48, 2), (48, 3, 48, 3), (48, 33, 48, 33);
-- Si Wu Tang
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (49, 8, 49, 8), (49, 31, 49, 31), (49, 33, 49, 33), (49, 13, 49, 13);
-- Xiao Chai Hu Tang
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (50, 29, 50, 29), (50, 30, 50, 30), (50, 28, 50, 28), (50, 16, 50, 16), (50, 2, 50, 2);
-- Liu Wei Di Huang Wan
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (51, 34, 51, 34), (51, 13, 51, 13), (51, 35, 51, 35), (51, 22, 51, 22), (51, 49, 51, 49);
-- Bu Zhong Yi Qi Tang
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (52, 18, 52, 18), (52, 1, 52, 1), (52, 7, 52, 7), (52, 3, 52, 3), (52, 2, 52, 2);
-- Er Chen Tang
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (53, 4, 53, 4), (53, 16, 53, 16), (53, 13, 53, 13), (53, 50, 53, 50);
-- Xiao Yao San
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (54, 28, 54, 28), (54, 8, 54, 8), (54, 45, 54, 45), (54, 2, 54, 2);
-- Yin Qiao San
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (55, 6, 55, 6), (55, 10, 55, 10), (55, 19, 55, 19), (55, 14, 55, 14), (55, 4, 55, 4);
-- Si Ni Tang
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (56, 15, 56, 15), (56, 46, 56, 46), (56, 3, 56, 3), (56, 24, 56, 24), (56, 1, 56, 1);
-- Xiao Cheng Qi Tang
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (57, 9, 57, 9), (57, 23, 57, 23), (57, 24, 57, 24), (57, 25, 57, 25);
-- Sheng Mai San
INSERT INTO RelSint (KPlanta, KSint, OPlanta, OSint) VALUES (58, 7, 58, 7), (58, 48, 58, 48), (58, 14, 58, 14), (58, 21, 58, 21), (58, 11, 58, 11);

-- Herb components
-- Gan Cao
INSERT INTO RelComp (KPlanta, KComp, OPlanta, OComp) VALUES (1, 1, 1, 1), (1, 13, 1, 13);
-- Ren Shen
INSERT INTO RelComp (KPlanta, KComp, OPlanta, OComp) VALUES (2, 2, 2, 2), (2, 13, 2, 13);
-- Fu Ling
INSERT INTO RelComp (KPlanta, KComp, OPlanta, OComp) VALUES (4, 13, 4, 13);
-- Huang Qi
INSERT INTO RelComp (KPlanta, KComp, OPlanta, OComp) VALUES (5, 12, 5, 12), (5, 13, 5, 13);
-- Dang Gui
INSERT INTO RelComp (KPlanta, KComp, OPlanta, OComp) VALUES (6, 15, 6, 15), (6, 13, 6, 13);
-- Chuan Xiong
INSERT INTO RelComp (KPlanta, KComp, OPlanta, OComp) VALUES (7, 15, 7, 15);
-- Bai Shao
INSERT INTO RelComp (KPlanta, KComp, OPlanta, OComp) VALUES (8, 11, 8, 11);
-- Gui Zhi
INSERT INTO RelComp (KPlanta, KComp, OPlanta, OComp) VALUES (10, 7, 10, 7);
-- Ma Huang
INSERT INTO RelComp (KPlanta, KComp, OPlanta, OComp) VALUES (11, 3, 11, 3);
-- Sheng Jiang
INSERT INTO RelComp (KPlanta, KComp, OPlanta, OComp) VALUES (13, 8, 13, 8);
-- Da Zao
INSERT INTO RelComp (KPlanta, KComp, OPlanta, OComp) VALUES (14, 13, 14, 13);
-- Huang Qin
INSERT INTO RelComp (KPlanta, KComp, OPlanta, OComp) VALUES (16, 6, 16, 6);
-- Shan Yao
INSERT INTO RelComp (KPlanta, KComp, OPlanta, OComp) VALUES (20, 13, 20, 13);
-- Mu Dan Pi
INSERT INTO RelComp (KPlanta, KComp, OPlanta, OComp) VALUES (23, 11, 23, 11);
-- Bo He
INSERT INTO RelComp (KPlanta, KComp, OPlanta, OComp) VALUES (27, 9, 27, 9);
-- Fu Zi
INSERT INTO RelComp (KPlanta, KComp, OPlanta, OComp) VALUES (33, 4, 33, 4);
-- Gan Jiang
INSERT INTO RelComp (KPlanta, KComp, OPlanta, OComp) VALUES (34, 8, 34, 8);
-- Huang Lian
INSERT INTO RelComp (KPlanta, KComp, OPlanta, OComp) VALUES (35, 5, 35, 5);
-- Da Huang
INSERT INTO RelComp (KPlanta, KComp, OPlanta, OComp) VALUES (36, 10, 36, 10);
-- Mai Men Dong
INSERT INTO RelComp (KPlanta, KComp, OPlanta, OComp) VALUES (41, 13, 41, 13);
-- Shi Gao
INSERT INTO RelComp (KPlanta, KComp, OPlanta, OComp) VALUES (43, 14, 43, 14);
